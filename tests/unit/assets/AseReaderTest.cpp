#include "assets/AseReader.h"
#include "assets/AseScanner.h"

#include "TempFolder.h"
#include "TextEdits.h"
#include "tools/testing/StandInData.h"

#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <string>

namespace {

// A small export as a modelling package writes it, with blocks the reader
// does not know (scene, map, camera) among the ones it does.
const char* const SAMPLE = R"(*3DSMAX_ASCIIEXPORT	200
*COMMENT "AsciiExport Version  2.00"
*SCENE {
	*SCENE_FILENAME "test.max"
	*SCENE_FIRSTFRAME 0
}
*MATERIAL_LIST {
	*MATERIAL_COUNT 3
	*MATERIAL 0 {
		*MATERIAL_NAME "Brick"
		*MATERIAL_CLASS "Standard"
		*MATERIAL_DIFFUSE 0.5000	0.2500	0.1250
		*MAP_DIFFUSE {
			*MAP_NAME "Map #1"
			*BITMAP "C:\maps\brick.tga"
			*UVW_U_TILING 2.0000
			*UVW_V_TILING 4.0000
		}
	}
	*MATERIAL 1 {
		*MATERIAL_NAME "Plain"
		*MATERIAL_DIFFUSE 1.0 1.0 1.0
	}
	*MATERIAL 2 {
		*MATERIAL_NAME "Bumpy"
		*MAP_DIFFUSE {
			*BITMAP "diffuse.tga"
			*UVW_U_TILING 1.0
			*UVW_V_TILING 1.0
		}
		*MAP_BUMP {
			*BITMAP "bump.tga"
			*UVW_U_TILING 3.0
			*UVW_V_TILING 5.0
		}
	}
}
*GEOMOBJECT {
	*NODE_NAME "Tri"
	*MESH {
		*TIMEVALUE 0
		*MESH_NUMVERTEX 3
		*MESH_NUMFACES 4
		*MESH_VERTEX_LIST {
			*MESH_VERTEX    0	0.0000	0.0000	0.0000
			*MESH_VERTEX    1	1.0000	0.0000	0.0000
			*MESH_VERTEX    2	0.0000	1.0000	0.0000
		}
		*MESH_FACE_LIST {
			*MESH_FACE    3:    A:    0 B:    1 C:    2 AB:    1 BC:    1 CA:    0	 *MESH_SMOOTHING 1 	*MESH_MTLID 0
			*MESH_FACE 0: A: 0 B: 1 C: 2 AB: 1 BC: 1 CA: 0
			*MESH_FACE 1:	A:	0	B:	1	C:	2
			*MESH_FACE 2:A:0 B:1 C:2
		}
		*MESH_NUMTVERTEX 10
		*MESH_TVERTLIST {
			*MESH_TVERT 4	0.5000	0.2500	0.0000
		}
		*MESH_NUMTVFACES 4
		*MESH_TFACELIST {
			*MESH_TFACE 3	7	8	9
			*MESH_TFACE 2:	4	5	6
		}
		*MESH_NORMALS {
			*MESH_FACENORMAL 0	0.0000	0.0000	1.0000
			*MESH_VERTEXNORMAL 0	0.0000	0.0000	1.0000
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
}
)";

Model parse(const std::string& text, AseReport* report = nullptr) {
    Model model;
    EXPECT_TRUE(parseAse(text.data(), text.size(), &model, report)) << report->error;
    return model;
}

Model parseSample() {
    AseReport report;
    Model model = parse(SAMPLE, &report);
    EXPECT_EQ(report.skippedLines, 0);
    EXPECT_EQ(report.droppedFaces, 0);
    return model;
}

void expectVec(Vec3 v, float x, float y, float z) {
    EXPECT_NEAR(v.x, x, 1e-6f);
    EXPECT_NEAR(v.y, y, 1e-6f);
    EXPECT_NEAR(v.z, z, 1e-6f);
}

void expectSameModel(const Model& a, const Model& b) {
    ASSERT_EQ(a.objectCount, b.objectCount);
    ASSERT_EQ(a.materialCount, b.materialCount);
    for (int i = 0; i < a.materialCount; ++i) {
        EXPECT_STREQ(a.materials[i].bitmap, b.materials[i].bitmap);
        EXPECT_EQ(a.materials[i].uTiling, b.materials[i].uTiling);
    }
    for (int i = 0; i < a.objectCount; ++i) {
        const MeshObject& x = a.objects[i];
        const MeshObject& y = b.objects[i];
        ASSERT_EQ(x.vertexCount, y.vertexCount);
        ASSERT_EQ(x.faceCount, y.faceCount);
        EXPECT_EQ(x.materialRef, y.materialRef);
        ASSERT_EQ(x.vertices.size(), y.vertices.size());
        ASSERT_EQ(x.faces.size(), y.faces.size());
        // An empty array may have no storage at all, and memcmp must not see it.
        if (!x.vertices.empty()) {
            EXPECT_EQ(0, std::memcmp(x.vertices.data(), y.vertices.data(),
                                     x.vertices.size() * sizeof(Vec3)));
        }
        if (!x.faces.empty()) {
            EXPECT_EQ(0,
                      std::memcmp(x.faces.data(), y.faces.data(), x.faces.size() * sizeof(Face)));
        }
    }
}

} // namespace

TEST(AseReader, ObjectsMaterialsAndSectionsAreFoundByExactKeywords) {
    Model model = parseSample();
    EXPECT_EQ(model.objectCount, 2);
    EXPECT_EQ(model.materialCount, 3);
    ASSERT_EQ(model.materials.size(), 3u);
    ASSERT_EQ(model.objects.size(), 2u);
    // *MATERIAL_COUNT, *MATERIAL_NAME... do not end a material section.
    EXPECT_STREQ(model.materials[0].name, "Brick");
    EXPECT_FLOAT_EQ(model.materials[0].diffuse[1], 0.25f);
    EXPECT_FLOAT_EQ(model.materials[0].uTiling, 2);
    EXPECT_FLOAT_EQ(model.materials[1].diffuse[0], 1);
    EXPECT_EQ(model.materials[1].uTiling, 0);
    // The camera between the objects belongs to the first and changes nothing.
    EXPECT_EQ(model.objects[0].vertexCount, 3);
    EXPECT_EQ(model.objects[1].vertexCount, 1);
    EXPECT_EQ(model.objects[1].faceCount, 0);
}

TEST(AseReader, VerticesTurnFromZUpToYUp) {
    Model model = parseSample();
    expectVec(model.objects[1].vertices[0], 1, 3, -2);
    expectVec(model.objects[0].vertices[2], 0, 0, -1);
}

TEST(AseReader, TextureVerticesAreScaledByTheirMaterialsTiling) {
    Model model = parseSample();
    const MeshObject& tiled = model.objects[0];
    EXPECT_EQ(tiled.materialRef, 0);
    EXPECT_EQ(tiled.hasTexCoords, 1);
    EXPECT_FLOAT_EQ(tiled.texVertices[4].u, 1);
    EXPECT_FLOAT_EQ(tiled.texVertices[4].v, 1);
    // Material 1 has no tiling keywords: both factors are 0.
    const MeshObject& untiled = model.objects[1];
    EXPECT_EQ(untiled.materialRef, 1); // 1.9 truncated
    EXPECT_EQ(untiled.texVertices[4].u, 0);
    EXPECT_EQ(untiled.texVertices[4].v, 0);
    EXPECT_EQ(model.objects[1].hasTexCoords, 1);

    // Without any material the coordinates are kept as written.
    std::string noRef = replaceAll(SAMPLE, "*MATERIAL_REF 1.9", "");
    Model bare = parse(noRef);
    EXPECT_EQ(bare.objects[1].materialRef, -1);
    EXPECT_FLOAT_EQ(bare.objects[1].texVertices[4].u, 0.5f);
    EXPECT_FLOAT_EQ(bare.objects[1].texVertices[4].v, 0.25f);
}

TEST(AseReader, FacesAndTextureFacesReadWithBlanksTabsOrNoneAndOptionalColon) {
    Model model = parseSample();
    const MeshObject& mesh = model.objects[0];
    ASSERT_EQ(mesh.faceCount, 4);
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(mesh.faces[k].a, 0) << k;
        EXPECT_EQ(mesh.faces[k].b, 1) << k;
        EXPECT_EQ(mesh.faces[k].c, 2) << k;
    }
    EXPECT_EQ(mesh.faces[3].ta, 7);
    EXPECT_EQ(mesh.faces[3].tb, 8);
    EXPECT_EQ(mesh.faces[3].tc, 9);
    EXPECT_EQ(mesh.faces[2].ta, 4);
    EXPECT_EQ(mesh.faces[2].tc, 6);
}

TEST(AseReader, MaterialReferencesAreTruncatedTowardsZero) {
    auto refOf = [](const char* value) {
        std::string text =
            replaceAll(SAMPLE, "*MATERIAL_REF 0\n", std::string("*MATERIAL_REF ") + value + "\n");
        return parse(text).objects[0].materialRef;
    };
    EXPECT_EQ(refOf("2"), 2);
    EXPECT_EQ(refOf("1.9"), 1);
    EXPECT_EQ(refOf("-0.5"), 0);
    // Naming no material: none, so no later reader indexes past the table.
    EXPECT_EQ(refOf("3"), -1);
    EXPECT_EQ(refOf("-4"), -1);
    EXPECT_EQ(refOf("1e30"), -1);
    EXPECT_EQ(refOf("nan"), -1);
    EXPECT_EQ(refOf("abc"), -1);
}

TEST(AseReader, BitmapPathsLoseTheirLastCharacter) {
    Model model = parseSample();
    EXPECT_STREQ(model.materials[0].bitmap, "C:\\maps\\brick.tga");
    // Several maps: the one written last wins, tiling included.
    EXPECT_STREQ(model.materials[2].bitmap, "bump.tga");
    EXPECT_FLOAT_EQ(model.materials[2].uTiling, 3);
    EXPECT_FLOAT_EQ(model.materials[2].vTiling, 5);

    std::string blank = replaceAll(SAMPLE, "\"C:\\maps\\brick.tga\"", "\"C:\\My Maps\\a.tga\"");
    EXPECT_STREQ(parse(blank).materials[0].bitmap, "C:\\M");
}

TEST(AseReader, VertexNormalsPointToTheCounterClockwiseSideAndWeighByArea) {
    Model model = parseSample();
    // (0,0,0), (1,0,0), (0,0,-1) in the game's frame: seen counter-clockwise
    // from above.
    for (int v = 0; v < 3; ++v)
        expectVec(model.objects[0].normals[v], 0, 1, 0);
    // A vertex no face uses keeps a zero normal rather than 0/0.
    expectVec(model.objects[1].normals[0], 0, 0, 0);

    // Two faces meeting at vertex 0: a large one facing +y, a small one
    // facing +x. The large one dominates; a face naming a vertex twice counts
    // once and adds nothing.
    std::string text = "*GEOMOBJECT {\n*MESH_NUMVERTEX 5\n*MESH_NUMFACES 3\n"
                       "*MESH_VERTEX 0 0 0 0\n*MESH_VERTEX 1 10 0 0\n*MESH_VERTEX 2 0 10 0\n"
                       "*MESH_VERTEX 3 0 0 1\n*MESH_VERTEX 4 0 -1 0\n"
                       "*MESH_FACE 0: A: 0 B: 1 C: 2\n*MESH_FACE 1: A: 0 B: 3 C: 4\n"
                       "*MESH_FACE 2: A: 0 B: 0 C: 1\n}\n";
    // File frame: face 0 faces +z (up), face 1 faces +x.
    Model two = parse(text);
    Vec3 n = two.objects[0].normals[0];
    EXPECT_NEAR(std::sqrt(n.x * n.x + n.y * n.y + n.z * n.z), 1, 1e-5f);
    EXPECT_GT(n.y, 0.99f);
    EXPECT_GT(n.x, 0);
    expectVec(two.objects[0].normals[2], 0, 1, 0);
}

TEST(AseReader, FilesFromOtherSystemsReadTheSame) {
    Model plain = parseSample();
    // CR LF line ends.
    expectSameModel(plain, parse(replaceAll(SAMPLE, "\n", "\r\n")));
    // Blanks for tabs.
    expectSameModel(plain, parse(replaceAll(SAMPLE, "\t", "    ")));
    // A line far longer than any line buffer, with keywords late in it, is
    // discarded whole.
    std::string longLine =
        "*COMMENT \"" + std::string(150, 'x') + " *GEOMOBJECT *MESH_VERTEX 0 9 9 9 *MATERIAL\"\n";
    expectSameModel(plain, parse(replaceAll(SAMPLE, "*SCENE {\n", longLine + "*SCENE {\n")));
    // Sub-materials add no materials of their own.
    std::string sub = replaceAll(SAMPLE, "\t*MATERIAL 1 {\n",
                                 "\t*MATERIAL 1 {\n\t\t*NUMSUBMTLS 1\n\t\t*SUBMATERIAL 0 {\n"
                                 "\t\t\t*MATERIAL_NAME \"Sub\"\n\t\t}\n");
    Model withSub = parse(sub);
    EXPECT_EQ(withSub.materials.size(), 3u);
    EXPECT_STREQ(withSub.materials[1].name, "Plain"); // the last name written wins
}

TEST(AseReader, StandInModelsReadWhole) {
    Model model = parse(standInAse());
    ASSERT_EQ(model.objectCount, STAND_IN_OBJECTS);
    for (const MeshObject& mesh : model.objects) {
        EXPECT_EQ(mesh.faceCount, 4);
        EXPECT_EQ(mesh.materialRef, 0);
    }
}

TEST(AseReaderFiles, MissingFileIsReportedAndLeavesTheModelEmpty) {
    TempFolder folder;
    std::string path = (folder.path / "nothere.ase").string();
    Model model;
    testing::internal::CaptureStderr();
    EXPECT_FALSE(loadAse(&model, path.c_str()));
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Error: Unable to find or open the file: " + path + "\n");
    EXPECT_EQ(model.objectCount, 0);
    EXPECT_TRUE(model.objects.empty());
    EXPECT_FALSE(loadAse(nullptr, path.c_str()));
    EXPECT_FALSE(loadAse(&model, nullptr));
}

TEST(AseReaderFiles, FileReadsLikeTheSameTextInMemory) {
    TempFolder folder;
    std::string path = folder.write("sample.ase", SAMPLE);
    Model model;
    testing::internal::CaptureStderr();
    EXPECT_TRUE(loadAse(&model, path.c_str()));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    expectSameModel(parseSample(), model);
}

TEST(AseReaderHardening, BadIndicesAreSkippedAndCounted) {
    std::string text = "*GEOMOBJECT {\n*MESH_NUMVERTEX 3\n*MESH_NUMFACES 3\n*MESH_NUMTVERTEX 2\n"
                       "*MESH_VERTEX 0 0 0 0\n*MESH_VERTEX 1 1 0 0\n*MESH_VERTEX 2 0 1 0\n"
                       "*MESH_VERTEX 3 5 5 5\n"           // beyond the count
                       "*MESH_VERTEX -1 5 5 5\n"          // negative
                       "*MESH_VERTEX 99999999999 5 5 5\n" // beyond int range
                       "*MESH_VERTEX 2 1 oops\n"          // too few numbers
                       "*MESH_TVERT 2 0.5 0.5\n*MESH_TVERT -2 0.5 0.5\n"
                       "*MESH_FACE 0: A: 0 B: 1 C: 2\n"
                       "*MESH_FACE 1: A: 0 B: 1 C: 7\n"  // a vertex that does not exist
                       "*MESH_FACE 2: A: -1 B: 1 C: 2\n" // nor this
                       "*MESH_FACE 5: A: 0 B: 1 C: 2\n"  // a face that does not exist
                       "*MESH_TFACE 0 0 1 2\n"           // a texture vertex beyond the count
                       "*MESH_TFACE 9 0 1 1\n"
                       "}\n";
    AseReport report;
    Model model = parse(text, &report);
    const MeshObject& mesh = model.objects[0];
    expectVec(mesh.vertices[2], 0, 0, -1); // the short line changed nothing
    EXPECT_EQ(mesh.hasTexCoords, 0);
    // Faces 1 and 2 name missing vertices and are dropped.
    EXPECT_EQ(mesh.faceCount, 1);
    ASSERT_EQ(mesh.faces.size(), 1u);
    EXPECT_EQ(mesh.faces[0].c, 2);
    EXPECT_EQ(mesh.faces[0].tc, 0);
    EXPECT_EQ(report.skippedLines, 9);
    EXPECT_EQ(report.droppedFaces, 2);
    for (const Vec3& n : mesh.normals)
        EXPECT_FALSE(std::isnan(n.x));
}

TEST(AseReaderHardening, DataLinesWithoutTheirCountAreSkipped) {
    // No *MESH_NUMVERTEX: faces would name vertices that do not exist, even
    // the ones never set.
    std::string text = "*GEOMOBJECT {\n*MESH_NUMFACES 2\n*MESH_VERTEX 0 1 2 3\n"
                       "*MESH_TVERT 0 1 1\n*MESH_FACE 0: A: 0 B: 0 C: 0\n*MESH_TFACE 0 0 0 0\n}\n";
    AseReport report;
    Model model = parse(text, &report);
    EXPECT_EQ(model.objects[0].vertexCount, 0);
    EXPECT_EQ(model.objects[0].faceCount, 0);
    EXPECT_TRUE(model.objects[0].vertices.empty());
    EXPECT_EQ(report.skippedLines, 3);
    EXPECT_EQ(report.droppedFaces, 2);
}

TEST(AseReaderHardening, AbsurdCountsRefuseTheFileWithoutAllocating) {
    const char* bad[] = {
        "*GEOMOBJECT {\n*MESH_NUMVERTEX -3\n}\n",
        "*GEOMOBJECT {\n*MESH_NUMFACES 2000000000\n}\n",
        "*GEOMOBJECT {\n*MESH_NUMTVERTEX 99999999999999\n}\n",
        // More entries than the section has bytes for lines.
        "*GEOMOBJECT {\n*MESH_NUMVERTEX 1000\n*MESH_VERTEX 0 1 2 3\n}\n",
        "*MATERIAL_LIST {\n*MATERIAL_COUNT 2000000000\n}\n",
        "*MATERIAL_LIST {\n*MATERIAL_COUNT -1\n}\n",
    };
    for (const char* text : bad) {
        Model model;
        model.objectCount = 7; // must stay untouched
        AseReport report;
        EXPECT_FALSE(parseAse(text, std::strlen(text), &model, &report)) << text;
        EXPECT_NE(report.error.find("out of range"), std::string::npos) << report.error;
        EXPECT_EQ(model.objectCount, 7);
    }

    TempFolder folder;
    std::string path = folder.write("huge.ase", bad[1]);
    Model model;
    testing::internal::CaptureStderr();
    EXPECT_FALSE(loadAse(&model, path.c_str()));
    std::string message = testing::internal::GetCapturedStderr();
    EXPECT_EQ(message, "Error: The model file \"" + path +
                           "\" is refused: *MESH_NUMFACES 2000000000 in object 1 is out of "
                           "range\n");
}

TEST(AseReaderHardening, OverLongWordsAndPathsAreCut) {
    std::string longPath(400, 'p');
    std::string text = "*MATERIAL_COUNT 1\n*MATERIAL 0 {\n*MATERIAL_NAME \"" + longPath +
                       "\"\n*BITMAP \"" + longPath + "\"\n*" + std::string(500, 'K') +
                       " 1 2 3\n*BITMAP \"";
    Model model = parse(text);
    EXPECT_EQ(std::strlen(model.materials[0].name), ASE_WORD_LIMIT);
    // The lone quote at the end reads nothing and leaves the path as it was.
    EXPECT_EQ(std::strlen(model.materials[0].bitmap), ASE_WORD_LIMIT);

    // A quote followed by a line break reads the next word, as a formatted
    // read would.
    Model next = parse("*MATERIAL_COUNT 1\n*MATERIAL 0 {\n*BITMAP \"\nmaps/x.tga\n}\n");
    EXPECT_STREQ(next.materials[0].bitmap, "maps/x.tg");
}

TEST(AseReaderHardening, AnyBytesReadWithoutHarm) {
    std::string bytes;
    for (int i = 0; i < 4096; ++i)
        bytes += static_cast<char>((i * 7919 + i / 3) & 0xff);
    bytes += "*GEOMOBJECT";
    Model model;
    AseReport report;
    parseAse(bytes.data(), bytes.size(), &model, &report);
    Model empty;
    EXPECT_TRUE(parseAse("", 0, &empty, &report));
    EXPECT_EQ(empty.objectCount, 0);
    // A file that ends right after a keyword counts it once.
    Model one = parse("*GEOMOBJECT");
    EXPECT_EQ(one.objectCount, 1);
}
