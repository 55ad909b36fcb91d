#include "assets/AseReader.h"
#include "assets/ModelTable.h"

#include "TempFolder.h"
#include "TextEdits.h"
#include "tools/testing/StandInData.h"

#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

// An export with every kind of line the reader acts on, and blocks it does
// not know (scene, map, camera) among them.
const char* const EXPORT = R"(*3DSMAX_ASCIIEXPORT	200
*COMMENT "AsciiExport Version  2.00"
*SCENE {
	*SCENE_FILENAME "test.max"
}
*MATERIAL_LIST {
	*MATERIAL_COUNT 2
	*MATERIAL 0 {
		*MATERIAL_NAME "Brick"
		*MATERIAL_DIFFUSE 0.5000	0.2500	0.1250
		*MAP_DIFFUSE {
			*BITMAP "C:\maps\brick.tga"
			*UVW_U_TILING 2.0000
			*UVW_V_TILING -4.0000
		}
		*MAP_BUMP {
			*BITMAP "bump.tga"
			*UVW_U_TILING 3.0
		}
	}
	*MATERIAL 1 {
		*MATERIAL_NAME "Plain"
		*NUMSUBMTLS 1
		*SUBMATERIAL 0 {
			*MATERIAL_NAME "Sub"
		}
	}
}
*GEOMOBJECT {
	*NODE_NAME "Quad"
	*MESH {
		*MESH_NUMVERTEX 4
		*MESH_NUMFACES 3
		*MESH_VERTEX_LIST {
			*MESH_VERTEX    0	0.0000	0.0000	0.0000
			*MESH_VERTEX    1	1.0000	-0.0000	0.0000
			*MESH_VERTEX    2	1.0000	1.0000	1e-3
			*MESH_VERTEX    3	0.0000	1.0000	-12345.6789
			*MESH_VERTEX    9	5.0	5.0	5.0
		}
		*MESH_FACE_LIST {
			*MESH_FACE    0:    A:    0 B:    1 C:    2 AB:    1 BC:    1 CA:    0	 *MESH_SMOOTHING 1 	*MESH_MTLID 0
			*MESH_FACE 1:	A:	0	B:	2	C:	3
			*MESH_FACE 2:A:0 B:1 C:7
		}
		*MESH_NUMTVERTEX 5
		*MESH_TVERTLIST {
			*MESH_TVERT 0	0.0000	0.0000	0.0000
			*MESH_TVERT 4	0.5000	0.2500	0.0000
			*MESH_TVERT 2	inf	-0	0
		}
		*MESH_NUMTVFACES 2
		*MESH_TFACELIST {
			*MESH_TFACE 0	0	4	2
			*MESH_TFACE 1:	4	5	6
		}
	}
	*MATERIAL_REF 0
}
*CAMERAOBJECT {
	*NODE_NAME "Camera01"
	*CAMERA_SETTINGS {
		*CAMERA_FOV 0.7854
	}
}
*GEOMOBJECT {
	*NODE_NAME "Point"
	*MESH {
		*MESH_NUMVERTEX 1
		*MESH_NUMTVERTEX 5
		*MESH_VERTEX_LIST {
			*MESH_VERTEX 0 1.0 2.0 3.0
		}
		*MESH_TVERTLIST {
			*MESH_TVERT 4 0.5 0.25 0.0
		}
	}
	*MATERIAL_REF 1.9
	*MATERIAL_REF 0
}
)";

template <typename T> bool sameBytes(const std::vector<T>& a, const std::vector<T>& b) {
    return a.size() == b.size() &&
           (a.empty() || std::memcmp(a.data(), b.data(), a.size() * sizeof(T)) == 0);
}

// Every field, bit for bit: floats included, so a value rounded otherwise or
// a zero of the other sign shows.
testing::AssertionResult sameRead(bool readA, const Model& a, const AseReport& ra, bool readB,
                                  const Model& b, const AseReport& rb) {
    if (readA != readB)
        return testing::AssertionFailure() << "read " << readA << " against " << readB;
    if (ra.error != rb.error || ra.skippedLines != rb.skippedLines ||
        ra.droppedFaces != rb.droppedFaces)
        return testing::AssertionFailure()
               << "reports differ: \"" << ra.error << "\" " << ra.skippedLines << " "
               << ra.droppedFaces << " against \"" << rb.error << "\" " << rb.skippedLines << " "
               << rb.droppedFaces;
    if (a.objectCount != b.objectCount || a.materialCount != b.materialCount ||
        a.materials.size() != b.materials.size() || a.objects.size() != b.objects.size())
        return testing::AssertionFailure() << "counts differ";
    for (size_t i = 0; i < a.materials.size(); ++i)
        if (std::memcmp(&a.materials[i], &b.materials[i], sizeof(Material)) != 0)
            return testing::AssertionFailure() << "material " << i << " differs";
    for (size_t i = 0; i < a.objects.size(); ++i) {
        const MeshObject& x = a.objects[i];
        const MeshObject& y = b.objects[i];
        if (x.vertexCount != y.vertexCount || x.faceCount != y.faceCount ||
            x.texVertexCount != y.texVertexCount || x.materialRef != y.materialRef ||
            x.hasTexCoords != y.hasTexCoords || !sameBytes(x.vertices, y.vertices) ||
            !sameBytes(x.normals, y.normals) || !sameBytes(x.texVertices, y.texVertices) ||
            !sameBytes(x.faces, y.faces))
            return testing::AssertionFailure() << "object " << i << " differs";
    }
    return testing::AssertionSuccess();
}

struct Read {
    bool read = false;
    Model model;
    AseReport report;
};

Read wordByWord(const std::string& text) {
    Read r;
    r.model.objectCount = 99; // must stay when the text is refused
    r.read = parseAseWordByWord(text.data(), text.size(), &r.model, &r.report);
    return r;
}

Read onePass(const std::string& text) {
    Read r;
    r.model.objectCount = 99;
    r.read = readAseOnePass(text.data(), text.size(), &r.model, &r.report);
    return r;
}

Read parsed(const std::string& text) {
    Read r;
    r.model.objectCount = 99;
    r.read = parseAse(text.data(), text.size(), &r.model, &r.report);
    return r;
}

Read fromFile(const std::string& path, size_t pieceBytes) {
    Read r;
    r.model.objectCount = 99;
    int fd = open(path.c_str(), O_RDONLY);
    r.read = readAseFileOnePass(fd, &r.model, &r.report, pieceBytes);
    close(fd);
    return r;
}

testing::AssertionResult same(const Read& a, const Read& b) {
    return sameRead(a.read, a.model, a.report, b.read, b.model, b.report);
}

// The game's models as the build writes them, beside the test programs'
// folder.
std::vector<std::string> gameModels() {
    std::filesystem::path data =
        std::filesystem::canonical("/proc/self/exe").parent_path().parent_path() / "data";
    std::vector<std::string> texts;
    for (const ModelFile& file : MODEL_FILES) {
        std::ifstream in(data / file.file, std::ios::binary);
        std::stringstream bytes;
        bytes << in.rdbuf();
        texts.push_back(bytes.str());
    }
    return texts;
}

// The texts an exporter would write, which the one pass must take.
std::vector<std::string> wellFormed() {
    std::vector<std::string> texts = {EXPORT, replaceAll(EXPORT, "\n", "\r\n"),
                                      replaceAll(EXPORT, "\t", "  "), standInAse()};
    for (std::string& model : gameModels())
        texts.push_back(std::move(model));
    return texts;
}

// One random change of the kind that breaks a line-by-line reading: lines
// lost, doubled or moved, keywords where they may or may not belong, lines
// broken or joined, numbers spoiled, the text cut short.
std::string altered(std::string text, std::mt19937& random) {
    static const char* const inserts[] = {"*GEOMOBJECT {",
                                          "*MATERIAL 0 {",
                                          "*MATERIAL_COUNT 3",
                                          "*MATERIAL_COUNT -1",
                                          "*MESH_NUMVERTEX 2",
                                          "*MESH_NUMFACES 9",
                                          "*MESH_NUMTVERTEX 1",
                                          "*MESH_NUMVERTEX 99999",
                                          "*MESH_VERTEX 0 7 8 9",
                                          "*MESH_VERTEX 1 2",
                                          "*MESH_TVERT 0 0.5",
                                          "*MESH_FACE 0: A: 1 B: 2 C: 3",
                                          "*MESH_TFACE 0 1 1 1",
                                          "*MATERIAL_REF 1",
                                          "*MATERIAL_REF",
                                          "*BITMAP \"a b.tga\"",
                                          "*BITMAP \"",
                                          "*UVW_U_TILING 0.5",
                                          "*MATERIAL_DIFFUSE 1",
                                          "*MATERIAL_NAME \"n\"",
                                          "*GEOMOBJECT *GEOMOBJECT",
                                          "}",
                                          "*MESH_VERTEX",
                                          "*MESH_FACE 1: A: 0 B: 0 C: 0 *MESH_VERTEX"};
    auto lineStart = [&](size_t at) {
        size_t start = text.rfind('\n', at);
        return start == std::string::npos ? 0 : start + 1;
    };
    size_t at = text.empty() ? 0 : random() % text.size();
    switch (random() % 9) {
    case 0: { // a line lost
        size_t start = lineStart(at), end = text.find('\n', at);
        text.erase(start, end == std::string::npos ? std::string::npos : end - start + 1);
        break;
    }
    case 1: { // a line doubled elsewhere
        size_t start = lineStart(at), end = text.find('\n', at);
        std::string line = text.substr(start, end == std::string::npos ? end : end - start + 1);
        text.insert(lineStart(random() % (text.size() + 1)), line);
        break;
    }
    case 2: // a keyword line
        text.insert(lineStart(at), std::string(inserts[random() % std::size(inserts)]) + "\n");
        break;
    case 3: // a keyword after the first word of a line
        text.insert(text.find_first_of(" \t\n", lineStart(at)) == std::string::npos
                        ? text.size()
                        : text.find_first_of(" \t\n", lineStart(at)),
                    std::string(" ") + inserts[random() % std::size(inserts)]);
        break;
    case 4: { // a blank becomes a line end, or a line end a blank
        size_t blank = text.find_first_of(random() % 2 ? " \t" : "\n", at);
        if (blank != std::string::npos)
            text[blank] = text[blank] == '\n' ? ' ' : (random() % 2 ? '\n' : '\r');
        break;
    }
    case 5: { // a number spoiled
        size_t digit = text.find_first_of("0123456789", at);
        const char* spoilers[] = {"x", "-", ".", "e", "9999999999", "", "1e40", "0x1"};
        if (digit != std::string::npos)
            text.replace(digit, 1, spoilers[random() % std::size(spoilers)]);
        break;
    }
    case 6: // cut short
        text.resize(at);
        break;
    case 7: { // two lines trade places
        size_t other = random() % (text.size() + 1);
        size_t a = lineStart(std::min(at, other)), b = lineStart(std::max(at, other));
        size_t aEnd = text.find('\n', a), bEnd = text.find('\n', b);
        if (a < b && aEnd != std::string::npos && aEnd < b && bEnd != std::string::npos) {
            std::string lineA = text.substr(a, aEnd - a), lineB = text.substr(b, bEnd - b);
            text.replace(b, bEnd - b, lineA);
            text.replace(a, aEnd - a, lineB);
        }
        break;
    }
    default: // stray bytes
        text.insert(at, 1, static_cast<char>(random() % 256));
        break;
    }
    return text;
}

} // namespace

TEST(AseOnePass, TakesWhatExportersWriteAndReadsItWordForWord) {
    std::vector<std::string> texts = wellFormed();
    ASSERT_EQ(texts.size(), 4u + MODEL_FILE_COUNT);
    for (size_t i = 0; i < texts.size(); ++i) {
        Read one = onePass(texts[i]);
        EXPECT_TRUE(one.read) << "text " << i << " was declined";
        EXPECT_TRUE(same(one, wordByWord(texts[i]))) << "text " << i;
        EXPECT_TRUE(same(parsed(texts[i]), one)) << "text " << i;
    }
}

TEST(AseOnePass, AlteredTextsAreReadWordForWordOrDeclined) {
    std::mt19937 random(7);
    std::vector<std::string> texts = {EXPORT, replaceAll(EXPORT, "\n", "\r\n"), standInAse(2)};
    int taken = 0, declined = 0;
    for (int i = 0; i < 3000; ++i) {
        std::string text = texts[i % texts.size()];
        for (int changes = 1 + random() % 3; changes > 0; --changes)
            text = altered(text, random);
        Read one = onePass(text);
        Read rules = wordByWord(text);
        if (one.read) {
            ++taken;
            ASSERT_TRUE(same(one, rules)) << "taken wrongly:\n" << text;
        } else {
            ++declined;
            // Declining touches nothing.
            ASSERT_EQ(one.model.objectCount, 99);
            ASSERT_EQ(one.report.skippedLines, 0);
        }
        ASSERT_TRUE(same(parsed(text), rules)) << text;
    }
    // Both ways through the reader were taken often.
    EXPECT_GT(taken, 500);
    EXPECT_GT(declined, 500);
}

TEST(AseOnePass, DeclinesLinesThatReadDifferentlyWordByWord) {
    const std::string head = "*GEOMOBJECT {\n*MESH_NUMVERTEX 2\n*MESH_NUMFACES 1\n";
    const std::string texts[] = {
        // A count after the lines it counts.
        "*GEOMOBJECT {\n*MESH_VERTEX 0 1 2 3\n*MESH_NUMVERTEX 1\n}\n",
        // A count given twice: the last one counts for every line.
        head + "*MESH_VERTEX 1 1 2 3\n*MESH_NUMVERTEX 1\n}\n",
        // Numbers that go on on the next line.
        head + "*MESH_VERTEX 0 1 2\n3 *MESH_VERTEX 1 4 5 6\n}\n",
        // A keyword right after another, or after a line's numbers.
        head + "*MESH_VERTEX *MESH_FACE 0: A: 0 B: 1 C: 1\n}\n",
        head + "*MESH_VERTEX 0 1 2 3 *MESH_VERTEX 1 4 5 6\n}\n",
        head + "*MESH_VERTEX 0 1 2 3 *GEOMOBJECT\n*MESH_VERTEX 1 4 5 6\n}\n",
        "*GEOMOBJECT *GEOMOBJECT {\n}\n",
        "*MATERIAL_COUNT 1\n*MATERIAL 0 {\n*MATERIAL_DIFFUSE 1 1 *BITMAP \"x\"\n}\n",
        "*MATERIAL_COUNT 1\n*MATERIAL 0 {\n*BITMAP \"\nmaps/x.tga\n}\n",
        // A refused file is left to the reader that says why.
        "*GEOMOBJECT {\n*MESH_NUMFACES 2000000000\n}\n",
    };
    for (const std::string& text : texts) {
        EXPECT_FALSE(onePass(text).read) << text;
        EXPECT_TRUE(same(parsed(text), wordByWord(text))) << text;
    }
}

TEST(AseOnePass, FilesReadInPiecesReadAsInMemory) {
    TempFolder folder;
    std::vector<std::string> texts = wellFormed();
    // A line far longer than a piece; a text that is declined; one ending
    // without a line end; one cut in the middle of CR LF.
    texts.push_back("*COMMENT \"" + std::string(200000, 'x') + "\"\n" + EXPORT);
    texts.push_back("*GEOMOBJECT {\n*MESH_VERTEX 0 1 2 3\n*MESH_NUMVERTEX 1\n}\n");
    texts.push_back(std::string(EXPORT) + "*GEOMOBJECT { *MESH_NUMVERTEX 1\n*MESH_VERTEX 0 1 2 3");
    texts.push_back(replaceAll(EXPORT, "\n", "\r\n"));
    for (size_t i = 0; i < texts.size(); ++i) {
        std::string path = folder.write("model" + std::to_string(i) + ".ase", texts[i]);
        Read memory = onePass(texts[i]);
        for (size_t piece : {size_t{1}, size_t{2}, size_t{3}, size_t{7}, size_t{64}, size_t{4096},
                             ASE_PIECE_BYTES})
            EXPECT_TRUE(same(fromFile(path, piece), memory)) << "text " << i << ", piece " << piece;
    }
}

TEST(AseOnePass, LoadingFallsBackToTheWholeFileWhenDeclined) {
    TempFolder folder;
    // Declined by the one pass: its lines come before their count.
    std::string text = std::string(EXPORT) + "*GEOMOBJECT {\n*MESH_VERTEX 0 1 2 3\n"
                                             "*MESH_NUMVERTEX 1\n}\n";
    ASSERT_FALSE(onePass(text).read);
    std::string path = folder.write("late-count.ase", text);
    Read expected = wordByWord(text);
    Read loaded;
    testing::internal::CaptureStderr();
    loaded.read = loadAse(&loaded.model, path.c_str());
    testing::internal::GetCapturedStderr();
    loaded.report = expected.report; // loadAse reports on standard error only
    EXPECT_TRUE(same(loaded, expected));
    EXPECT_EQ(loaded.model.objects.back().vertexCount, 1);

    // A pipe cannot be read in pieces and then again from the start: it is
    // read whole, once.
    std::string fifo = (folder.path / "pipe.ase").string();
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    std::thread writer([&] {
        std::ofstream out(fifo, std::ios::binary);
        out << EXPORT;
    });
    Model piped;
    testing::internal::CaptureStderr();
    bool pipedRead = loadAse(&piped, fifo.c_str());
    std::string messages = testing::internal::GetCapturedStderr();
    writer.join();
    EXPECT_TRUE(pipedRead) << messages;
    Read fromPipe{pipedRead, piped, wordByWord(EXPORT).report};
    EXPECT_TRUE(same(fromPipe, wordByWord(EXPORT)));
}
