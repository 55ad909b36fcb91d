#include "assets/AseReaderShared.h"

#include <cerrno>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

// Why one pass over lines reads the same as the word-by-word rules: every
// scan under those rules (the section and material searches, the material
// reads, the count pass and the five data passes of a section) passes over a
// line whose first word it has no use for, and each kind of line has at most
// one scan that acts on it. As long as every read of a line's numbers stays
// on the line, and what follows the keyword or the numbers is no word a scan
// would act on or stop at, all the scans meet the same lines in the same
// order. The values are stored as their lines come, so each count must come
// before the lines it counts, as exporters write them. Anything else is
// declined.

namespace {

struct Section {
    uint64_t start = 0; // offset right after its *GEOMOBJECT
    bool vertexCountSeen = false, faceCountSeen = false, texVertexCountSeen = false;
    // The first *MATERIAL_REF ends the material pass, read or not.
    bool refSeen = false;
    bool hasRef = false;
    float ref = 0;
    // The texture vertices some line set: they are scaled by their
    // material's tiling once the materials are known.
    std::vector<uint8_t> texVertexSet;
};

// A material keyword's line from right after the keyword up to and with its
// line end, read once the material count is known.
struct MaterialLine {
    AseKeyword key;
    size_t material;
    std::string rest;
    size_t lineEnd; // in rest
};

const char* skipLineBlanks(const char* p, const char* end) {
    while (p < end && (*p == ' ' || *p == '\t' || *p == '\v' || *p == '\f'))
        ++p;
    return p;
}

// Whether the rest of the line from p, up to its next word, is something
// every scan passes over.
bool plainRest(const char* p, const char* end) {
    p = skipLineBlanks(p, end);
    if (p == end || *p != '*')
        return true; // the line's end, or a word that is no keyword
    const char* word = p;
    while (p < end && !isAseBlank(*p))
        ++p;
    return !stopsAScan(aseKeyword(std::string_view(word, static_cast<size_t>(p - word))));
}

// The numbers of one line. Each must start on the line: where the
// word-by-word rules would look for it on a later one, the line is declined.
struct LineFields {
    AseScanner scan;
    bool crossed = false;

    bool startsHere() {
        scan.at = skipLineBlanks(scan.at, scan.end);
        crossed = scan.at < scan.end && isAseLineEnd(*scan.at);
        return !crossed;
    }
    bool integer(int32_t* v) { return startsHere() && scan.readInt(v); }
    bool real(float* v) { return startsHere() && scan.readFloat(v); }
    bool labelled(char label, int32_t* v) {
        return startsHere() && scan.accept(label) && scan.accept(':') && integer(v);
    }
};

struct OnePass {
    // size: the text's length; counts are held against it before their
    // section's end is known.
    explicit OnePass(uint64_t size) : size(size) {}

    // Reads the lines in [from, to), which is offset into the text; each
    // ends before `to` but the text's last.
    bool lines(const char* from, const char* to, uint64_t offset) {
        windowBegin = from;
        end = to;
        p = from;
        windowOffset = offset;
        for (;;) {
            while (p < end && isAseBlank(*p))
                ++p;
            if (p == end)
                return true;
            if (*p == '*') {
                AseKeyword key = firstWord();
                if (key != ASE_OTHER && !keywordLine(key))
                    return false;
            }
            p = findAseLineEnd(p, end);
        }
    }

    // After the last line.
    bool finish(Model* out, AseReport* report) {
        if (!closeSection(size) || !readMaterials())
            return false;
        scaleTexVertices();
        *out = std::move(model);
        report->skippedLines += found.skippedLines;
        report->droppedFaces += found.droppedFaces;
        return true;
    }

  private:
    uint64_t size;
    const char* windowBegin = nullptr;
    const char* end = nullptr;
    const char* p = nullptr;
    uint64_t windowOffset = 0;
    Model model;
    AseReport found;
    bool materialCountSeen = false;
    size_t materialStarts = 0;
    std::vector<MaterialLine> materialLines;
    std::vector<Section> sections; // one per model.objects
    // The keyword the last keyword line began with: lines come in runs.
    AseKeyword lastKey = ASE_OTHER;
    std::string_view last; // its spelling

    uint64_t offsetOf(const char* q) const {
        return windowOffset + static_cast<uint64_t>(q - windowBegin);
    }

    AseScanner scannerAt(const char* at) const {
        AseScanner scan(windowBegin, static_cast<size_t>(end - windowBegin));
        scan.seek(at);
        return scan;
    }

    // Reads the word at p; p ends right after it.
    AseKeyword firstWord() {
        if (startsWithLast()) {
            p += last.size();
            return lastKey;
        }
        const char* word = p;
        while (p < end && !isAseBlank(*p))
            ++p;
        AseKeyword key = aseKeyword(std::string_view(word, static_cast<size_t>(p - word)));
        if (key != ASE_OTHER) {
            lastKey = key;
            last = aseSpelling(key);
        }
        return key;
    }

    // Whether the line begins with the last keyword as a whole word. Two
    // overlapping eight-byte comparisons cover every keyword of 8 to 16
    // characters, the ones of data lines among them.
    bool startsWithLast() const {
        size_t n = last.size();
        if (n == 0 || static_cast<size_t>(end - p) <= n || !isAseBlank(p[n]))
            return false;
        if (n < 8 || n > 16)
            return std::memcmp(p, last.data(), n) == 0;
        uint64_t a, b, c, d;
        std::memcpy(&a, p, 8);
        std::memcpy(&b, last.data(), 8);
        std::memcpy(&c, p + n - 8, 8);
        std::memcpy(&d, last.data() + n - 8, 8);
        return a == b && c == d;
    }

    // p is right after the line's first word, and stays on the line.
    bool keywordLine(AseKeyword key) {
        switch (key) {
        case ASE_GEOMOBJECT:
            if (!closeSection(offsetOf(p)))
                return false;
            sections.emplace_back();
            sections.back().start = offsetOf(p);
            model.objects.emplace_back();
            return plainRest(p, end);
        case ASE_MATERIAL:
            ++materialStarts;
            return plainRest(p, end);
        case ASE_MATERIAL_COUNT:
            return materialCountLine();
        default:
            break;
        }
        if (isMaterialKeyword(key)) {
            if (materialStarts > 0) {
                const char* lineEnd = findAseLineEnd(p, end);
                size_t withEnd = static_cast<size_t>(lineEnd - p) + (lineEnd < end ? 1 : 0);
                materialLines.push_back({key, materialStarts - 1, std::string(p, withEnd),
                                         static_cast<size_t>(lineEnd - p)});
            }
            return true;
        }
        if (sections.empty())
            return true; // no section's passes reach it
        if (key == ASE_MESH_NUMVERTEX || key == ASE_MESH_NUMFACES || key == ASE_MESH_NUMTVERTEX)
            return countLine(key);
        // The passes for the other data keywords step over this one and read
        // the next word.
        if (!plainRest(p, end))
            return false;
        LineFields fields{scannerAt(p)};
        bool stored = true;
        switch (key) {
        case ASE_MATERIAL_REF:
            return materialRefLine(&fields);
        case ASE_MESH_VERTEX:
            stored = vertexLine(&fields);
            break;
        case ASE_MESH_TVERT:
            stored = texVertexLine(&fields);
            break;
        case ASE_MESH_FACE:
            stored = faceLine(&fields);
            break;
        case ASE_MESH_TFACE:
            stored = texFaceLine(&fields);
            break;
        default:
            break;
        }
        if (fields.crossed)
            return false;
        // Numbers that did not all read, or a line naming an entry beyond the
        // count, are passed over from where the reading stopped; a line that
        // read whole goes on being scanned.
        if (!stored)
            ++found.skippedLines;
        else if (!plainRest(fields.scan.at, end))
            return false;
        p = fields.scan.at;
        return true;
    }

    // Only the first counts, and nothing scans on after its number.
    bool materialCountLine() {
        if (materialCountSeen)
            return true;
        materialCountSeen = true;
        LineFields fields{scannerAt(p)};
        if (!fields.startsHere())
            return false;
        fields.scan.readInt(&model.materialCount);
        return true;
    }

    bool countLine(AseKeyword key) {
        LineFields fields{scannerAt(p)};
        if (!fields.startsHere())
            return false;
        int32_t value;
        if (fields.scan.readInt(&value) && !setCount(key, value))
            return false;
        if (!plainRest(fields.scan.at, end))
            return false;
        p = fields.scan.at;
        return true;
    }

    // Arrays are made as their count comes; a count read twice could change
    // them after lines were stored, and is declined. So is a count the rest
    // of the text could not hold a line per entry for; one that the rest of
    // its own section could not is found when the section ends.
    bool setCount(AseKeyword key, int32_t value) {
        Section& s = sections.back();
        MeshObject& object = model.objects.back();
        uint64_t rest = size > s.start ? size - s.start : 0;
        if (value < 0 || static_cast<uint64_t>(value) > rest || value > MAX_MESH_ENTRIES)
            return false;
        size_t n = static_cast<size_t>(value);
        if (key == ASE_MESH_NUMVERTEX) {
            if (s.vertexCountSeen)
                return false;
            s.vertexCountSeen = true;
            object.vertexCount = value;
            object.vertices.assign(n, Vec3{});
        } else if (key == ASE_MESH_NUMFACES) {
            if (s.faceCountSeen)
                return false;
            s.faceCountSeen = true;
            object.faceCount = value;
            object.faces.assign(n, Face{});
        } else {
            if (s.texVertexCountSeen)
                return false;
            s.texVertexCountSeen = true;
            object.texVertexCount = value;
            object.texVertices.assign(n, TexVertex{});
            s.texVertexSet.assign(n, 0);
        }
        return true;
    }

    bool materialRefLine(LineFields* fields) {
        Section& s = sections.back();
        if (s.refSeen)
            return true;
        s.refSeen = true;
        if (!fields->startsHere())
            return false;
        s.hasRef = fields->scan.readFloat(&s.ref);
        return true; // the material pass ends here
    }

    static bool in(int32_t k, int32_t count) { return k >= 0 && k < count; }

    // Each returns whether the line stored its values; a line whose count has
    // not come yet is declined.
    bool vertexLine(LineFields* fields) {
        if (!sections.back().vertexCountSeen)
            return fields->crossed = true;
        MeshObject& object = model.objects.back();
        int32_t k;
        float x, y, z;
        if (!fields->integer(&k) || !fields->real(&x) || !fields->real(&y) || !fields->real(&z) ||
            !in(k, object.vertexCount))
            return false;
        // The file is z-up; the game is y-up. (X, Y, Z) -> (X, Z, -Y) keeps
        // handedness.
        object.vertices[k] = Vec3{x, z, -y};
        return true;
    }

    bool texVertexLine(LineFields* fields) {
        Section& s = sections.back();
        if (!s.texVertexCountSeen)
            return fields->crossed = true;
        MeshObject& object = model.objects.back();
        int32_t k;
        float u, v;
        if (!fields->integer(&k) || !fields->real(&u) || !fields->real(&v) ||
            !in(k, object.texVertexCount))
            return false;
        object.texVertices[k] = TexVertex{u, v};
        s.texVertexSet[k] = 1;
        object.hasTexCoords = 1;
        return true;
    }

    bool faceLine(LineFields* fields) {
        if (!sections.back().faceCountSeen)
            return fields->crossed = true;
        MeshObject& object = model.objects.back();
        int32_t k, a, b, c;
        if (!fields->integer(&k))
            return false;
        fields->scan.accept(':');
        if (!fields->labelled('A', &a) || !fields->labelled('B', &b) ||
            !fields->labelled('C', &c) || !in(k, object.faceCount))
            return false;
        Face& face = object.faces[k];
        face.a = a;
        face.b = b;
        face.c = c;
        return true;
    }

    bool texFaceLine(LineFields* fields) {
        const Section& s = sections.back();
        if (!s.faceCountSeen || !s.texVertexCountSeen)
            return fields->crossed = true;
        MeshObject& object = model.objects.back();
        int32_t k, ta, tb, tc;
        if (!fields->integer(&k))
            return false;
        fields->scan.accept(':');
        int32_t count = object.texVertexCount;
        if (!fields->integer(&ta) || !fields->integer(&tb) || !fields->integer(&tc) ||
            !in(k, object.faceCount) || !in(ta, count) || !in(tb, count) || !in(tc, count))
            return false;
        Face& face = object.faces[k];
        face.ta = ta;
        face.tb = tb;
        face.tc = tc;
        return true;
    }

    // The last section, which ends where the next begins or at the end of
    // the text, is whole.
    bool closeSection(uint64_t next) {
        if (sections.empty())
            return true;
        const Section& s = sections.back();
        MeshObject& object = model.objects.back();
        // Every count must be one its own section could hold a line per entry
        // for; otherwise the file is refused.
        uint64_t sectionBytes = next - s.start;
        for (int32_t count : {object.vertexCount, object.faceCount, object.texVertexCount})
            if (static_cast<uint64_t>(count) > sectionBytes)
                return false;
        dropFacesNamingMissingVertices(&object, &found);
        computeVertexNormals(&object);
        return true;
    }

    bool readMaterials() {
        if (model.materialCount < 0 || model.materialCount > MAX_MATERIALS)
            return false; // refused: the word-by-word reader says why
        model.objectCount = static_cast<int32_t>(model.objects.size());
        model.materials.resize(static_cast<size_t>(model.materialCount));
        for (const MaterialLine& line : materialLines) {
            if (line.material >= model.materials.size())
                continue;
            AseScanner scan(line.rest.data(), line.rest.size());
            readMaterialKeyword(&scan, line.key, &model.materials[line.material]);
            const char* lineEnd = scan.begin + line.lineEnd;
            if (scan.at > lineEnd || !plainRest(scan.at, scan.end))
                return false;
        }
        return true;
    }

    void scaleTexVertices() {
        for (size_t i = 0; i < sections.size(); ++i) {
            const Section& s = sections[i];
            MeshObject& object = model.objects[i];
            if (s.hasRef)
                object.materialRef = materialRefFrom(s.ref, model.materials.size());
            // Without a material to scale by, the coordinates are kept as
            // written.
            float uTiling = 1, vTiling = 1;
            if (object.materialRef >= 0) {
                uTiling = model.materials[object.materialRef].uTiling;
                vTiling = model.materials[object.materialRef].vTiling;
            }
            for (size_t k = 0; k < s.texVertexSet.size(); ++k) {
                if (!s.texVertexSet[k])
                    continue;
                TexVertex& t = object.texVertices[k];
                t = TexVertex{t.u * uTiling, t.v * vTiling};
            }
        }
    }
};

// Just past the last line end in [from, to), or from when there is none.
const char* afterLastLineEnd(const char* from, const char* to) {
    for (const char* q = to; q > from; --q)
        if (isAseLineEnd(q[-1]))
            return q;
    return from;
}

} // namespace

bool readAseOnePass(const char* text, size_t size, Model* model, AseReport* report) {
    if (!model || !report || (!text && size > 0))
        return false;
    OnePass pass(size);
    return pass.lines(text, text + size, 0) && pass.finish(model, report);
}

bool readAseFileOnePass(int fd, Model* model, AseReport* report, size_t pieceBytes) {
    if (!model || !report || pieceBytes == 0)
        return false;
    struct stat status;
    if (fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) || status.st_size < 0 ||
        static_cast<uint64_t>(status.st_size) > MAX_ASE_FILE_BYTES)
        return false;
    const uint64_t size = static_cast<uint64_t>(status.st_size);
    OnePass pass(size);
    size_t capacity = pieceBytes;
    std::unique_ptr<char[]> buffer(new char[capacity]);
    size_t held = 0;     // bytes in the buffer
    uint64_t offset = 0; // of the buffer's first byte in the file
    for (;;) {
        if (held == capacity) {
            // One line fills the buffer: make room for it, but never for
            // more than the rest of the file and the one byte that finds its
            // end.
            size_t rest = static_cast<size_t>(size - offset) + 1;
            if (capacity >= rest)
                return false; // only when the file grew while it was read
            size_t larger = capacity * 2 < rest ? capacity * 2 : rest;
            std::unique_ptr<char[]> grown(new char[larger]);
            std::memcpy(grown.get(), buffer.get(), held);
            buffer = std::move(grown);
            capacity = larger;
        }
        ssize_t n = read(fd, buffer.get() + held, capacity - held);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        held += static_cast<size_t>(n);
        if (offset + held > size)
            return false; // the file grew while it was read
        bool last = n == 0;
        const char* from = buffer.get();
        const char* to = last ? from + held : afterLastLineEnd(from, from + held);
        if (!pass.lines(from, to, offset))
            return false;
        if (last)
            break;
        held -= static_cast<size_t>(to - from);
        std::memmove(buffer.get(), to, held);
        offset += static_cast<uint64_t>(to - from);
    }
    if (offset + held != size)
        return false; // it shrank
    return pass.finish(model, report);
}
