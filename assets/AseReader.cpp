#include "assets/AseReader.h"

#include "assets/AseScanner.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

// Two ways through a text: the word-by-word rules, which follow the format
// for any bytes, and one pass over the lines, which reads the same wherever it
// can tell it does, much faster. Both share the keywords and the steps that
// finish a mesh.

namespace {

enum AseKeyword : uint8_t {
    ASE_OTHER,
    // Data lines.
    ASE_MESH_VERTEX,
    ASE_MESH_FACE,
    ASE_MESH_TVERT,
    ASE_MESH_TFACE,
    ASE_MATERIAL_REF,
    // Counts of a section.
    ASE_MESH_NUMVERTEX,
    ASE_MESH_NUMFACES,
    ASE_MESH_NUMTVERTEX,
    // Material keywords.
    ASE_MATERIAL_DIFFUSE,
    ASE_BITMAP,
    ASE_MATERIAL_NAME,
    ASE_UVW_U_TILING,
    ASE_UVW_V_TILING,
    // Section starts.
    ASE_GEOMOBJECT,
    ASE_MATERIAL,
    // Read once, at its first line, and by nothing that goes on scanning.
    ASE_MATERIAL_COUNT,
};

bool isMaterialKeyword(AseKeyword key) {
    return key >= ASE_MATERIAL_DIFFUSE && key <= ASE_UVW_V_TILING;
}

// A word that some scan of the text acts on or stops at, were it to meet it
// in the middle of a line.
bool stopsAScan(AseKeyword key) {
    return key != ASE_OTHER && key != ASE_MATERIAL_COUNT;
}

// Keeps at most what the reader's word buffer holds.
template <size_t N> void copyWord(char (&out)[N], std::string_view word) {
    static_assert(N == ASE_WORD_LIMIT + 1);
    size_t n = word.size() < ASE_WORD_LIMIT ? word.size() : ASE_WORD_LIMIT;
    std::memcpy(out, word.data(), n);
    out[n] = '\0';
}

AseKeyword aseKeyword(std::string_view word) {
    // By length first: one comparison of known length per candidate.
    auto is = [word](std::string_view spelling) { return word == spelling; };
    switch (word.size()) {
    case 7:
        return is("*BITMAP") ? ASE_BITMAP : ASE_OTHER;
    case 9:
        return is("*MATERIAL") ? ASE_MATERIAL : ASE_OTHER;
    case 10:
        return is("*MESH_FACE") ? ASE_MESH_FACE : ASE_OTHER;
    case 11:
        return is("*MESH_TVERT")   ? ASE_MESH_TVERT
               : is("*MESH_TFACE") ? ASE_MESH_TFACE
               : is("*GEOMOBJECT") ? ASE_GEOMOBJECT
                                   : ASE_OTHER;
    case 12:
        return is("*MESH_VERTEX") ? ASE_MESH_VERTEX : ASE_OTHER;
    case 13:
        return is("*MATERIAL_REF")   ? ASE_MATERIAL_REF
               : is("*UVW_U_TILING") ? ASE_UVW_U_TILING
               : is("*UVW_V_TILING") ? ASE_UVW_V_TILING
                                     : ASE_OTHER;
    case 14:
        return is("*MESH_NUMFACES")   ? ASE_MESH_NUMFACES
               : is("*MATERIAL_NAME") ? ASE_MATERIAL_NAME
                                      : ASE_OTHER;
    case 15:
        return is("*MESH_NUMVERTEX")   ? ASE_MESH_NUMVERTEX
               : is("*MATERIAL_COUNT") ? ASE_MATERIAL_COUNT
                                       : ASE_OTHER;
    case 16:
        return is("*MESH_NUMTVERTEX") ? ASE_MESH_NUMTVERTEX : ASE_OTHER;
    case 17:
        return is("*MATERIAL_DIFFUSE") ? ASE_MATERIAL_DIFFUSE : ASE_OTHER;
    default:
        return ASE_OTHER;
    }
}

// How a keyword is written; empty for ASE_OTHER.
std::string_view aseSpelling(AseKeyword key) {
    static constexpr std::string_view SPELLINGS[] = {"",
                                                     "*MESH_VERTEX",
                                                     "*MESH_FACE",
                                                     "*MESH_TVERT",
                                                     "*MESH_TFACE",
                                                     "*MATERIAL_REF",
                                                     "*MESH_NUMVERTEX",
                                                     "*MESH_NUMFACES",
                                                     "*MESH_NUMTVERTEX",
                                                     "*MATERIAL_DIFFUSE",
                                                     "*BITMAP",
                                                     "*MATERIAL_NAME",
                                                     "*UVW_U_TILING",
                                                     "*UVW_V_TILING",
                                                     "*GEOMOBJECT",
                                                     "*MATERIAL",
                                                     "*MATERIAL_COUNT"};
    static_assert(std::size(SPELLINGS) == ASE_MATERIAL_COUNT + 1);
    return SPELLINGS[key];
}

// Reads the values after a material keyword; the scanner is right after it.
// A keyword that occurs more than once leaves the last value read.
void readMaterialKeyword(AseScanner* scan, AseKeyword key, Material* material) {
    switch (key) {
    case ASE_MATERIAL_DIFFUSE: {
        float rgb[3];
        for (int i = 0; i < 3 && scan->readFloat(&rgb[i]); ++i)
            material->diffuse[i] = rgb[i];
        break;
    }
    case ASE_BITMAP: {
        // The word after the quote, less its last character: the closing
        // quote when the path has no blanks.
        std::string_view path;
        if (scan->readQuotedWord(&path)) {
            path.remove_suffix(1);
            copyWord(material->bitmap, path);
        }
        break;
    }
    case ASE_MATERIAL_NAME: {
        std::string_view name;
        if (scan->readQuotedWord(&name)) {
            if (name.ends_with('"'))
                name.remove_suffix(1);
            copyWord(material->name, name);
        }
        break;
    }
    case ASE_UVW_U_TILING:
        scan->readFloat(&material->uTiling);
        break;
    case ASE_UVW_V_TILING:
        scan->readFloat(&material->vTiling);
        break;
    default:
        break;
    }
}

// Written as a float in some files: truncated towards zero. A reference to
// no existing material becomes -1 so no later reader can index past the
// table.
int32_t materialRefFrom(float value, size_t materialCount) {
    if (std::isfinite(value) && value > -1 && value < static_cast<float>(materialCount))
        return static_cast<int32_t>(value);
    return -1;
}

// Faces that name vertices the object lacks (out of range, or never set in an
// object without vertices) would send every later reader outside the vertex
// array.
void dropFacesNamingMissingVertices(MeshObject* object, AseReport* report) {
    int32_t n = object->vertexCount;
    auto missing = [n](const Face& face) {
        auto out = [n](int32_t i) { return i < 0 || i >= n; };
        return out(face.a) || out(face.b) || out(face.c);
    };
    auto gone = std::remove_if(object->faces.begin(), object->faces.end(), missing);
    report->droppedFaces += static_cast<int32_t>(object->faces.end() - gone);
    object->faces.erase(gone, object->faces.end());
    object->faceCount = static_cast<int32_t>(object->faces.size());
}

// One normal per vertex: the sum of the raw normals of the faces that use it,
// each face once, divided by minus their count. Larger faces weigh more.
void computeVertexNormals(MeshObject* object) {
    // The sums gather in the normals themselves: a vertex no face uses keeps
    // a zero normal, as nothing draws it.
    std::vector<Vec3>& sums = object->normals;
    sums.assign(object->vertices.size(), Vec3{});
    std::vector<int32_t> counts(object->vertices.size(), 0);
    for (const Face& face : object->faces) {
        const Vec3& p0 = object->vertices[face.a];
        const Vec3& p1 = object->vertices[face.b];
        const Vec3& p2 = object->vertices[face.c];
        // The negation of (P1 - P0) x (P2 - P0); the division below turns it
        // back.
        Vec3 raw = cross(subtract(p0, p2), subtract(p2, p1));
        int32_t corners[3] = {face.a, face.b, face.c};
        for (int i = 0; i < 3; ++i) {
            bool seen = false;
            for (int j = 0; j < i; ++j)
                seen = seen || corners[j] == corners[i];
            if (seen)
                continue;
            sums[corners[i]] = add(sums[corners[i]], raw);
            ++counts[corners[i]];
        }
    }
    for (size_t v = 0; v < sums.size(); ++v) {
        if (counts[v] == 0)
            continue;
        Vec3 n = divide(sums[v], -static_cast<float>(counts[v]));
        normalize(&n); // a vertex of degenerate faces only keeps a zero normal
        sums[v] = n;
    }
}

// The word-by-word rules.

constexpr std::string_view GEOMOBJECT = "*GEOMOBJECT";
constexpr std::string_view MATERIAL = "*MATERIAL";
constexpr std::string_view MATERIAL_COUNT = "*MATERIAL_COUNT";
constexpr std::string_view MATERIAL_REF = "*MATERIAL_REF";
constexpr std::string_view MESH_VERTEX = "*MESH_VERTEX";
constexpr std::string_view MESH_TVERT = "*MESH_TVERT";
constexpr std::string_view MESH_FACE = "*MESH_FACE";
constexpr std::string_view MESH_TFACE = "*MESH_TFACE";

// The material reference must be read before the texture vertices, which are
// scaled by its tiling.
constexpr std::string_view MESH_PASSES[] = {MATERIAL_REF, MESH_VERTEX, MESH_TVERT, MESH_FACE,
                                            MESH_TFACE};

bool isMeshPassKeyword(std::string_view word) {
    for (std::string_view key : MESH_PASSES)
        if (word == key)
            return true;
    return false;
}

// Where the section after every exact `key` word begins, as found by a scan
// that discards the line after every other word. Every lookup of a section
// starts with this same scan, so it is done once.
std::vector<const char*> findSections(AseScanner scan, std::string_view key) {
    std::vector<const char*> starts;
    std::string_view word;
    while (scan.nextWord(&word)) {
        if (word == key)
            starts.push_back(scan.at);
        else
            scan.discardLine();
    }
    return starts;
}

// The number after the first *MATERIAL_COUNT, or 0 without one.
int32_t readMaterialCount(AseScanner scan) {
    std::string_view word;
    while (scan.nextWord(&word)) {
        if (word == MATERIAL_COUNT) {
            int32_t count = 0;
            scan.readInt(&count);
            return count;
        }
        scan.discardLine();
    }
    return 0;
}

// Reads from a material's start up to the next *MATERIAL word.
void readMaterial(AseScanner scan, Material* material) {
    std::string_view word;
    while (scan.nextWord(&word)) {
        AseKeyword key = aseKeyword(word);
        if (key == ASE_MATERIAL)
            break;
        if (isMaterialKeyword(key))
            readMaterialKeyword(&scan, key, material);
        else
            scan.discardLine();
    }
}

// Reads one *GEOMOBJECT section into a MeshObject.
struct MeshReader {
    AseScanner scan;
    const char* sectionStart;
    size_t sectionBytes;
    int objectNumber; // from 1, for messages
    const std::vector<Material>& materials;
    MeshObject* object;
    AseReport* report;

    bool refuseCount(std::string_view key, int32_t count) {
        report->error = std::string(key) + " " + std::to_string(count) + " in object " +
                        std::to_string(objectNumber) + " is out of range";
        return false;
    }

    // A count must be one the section could hold a line for each entry of.
    bool readCount(std::string_view key, int32_t* count) {
        int32_t value = 0;
        if (!scan.readInt(&value))
            return true;
        int64_t limit = static_cast<int64_t>(sectionBytes);
        if (limit > MAX_MESH_ENTRIES)
            limit = MAX_MESH_ENTRIES;
        if (value < 0 || value > limit)
            return refuseCount(key, value);
        *count = value;
        return true;
    }

    bool readMeshCounts() {
        scan.seek(sectionStart);
        std::string_view word;
        while (scan.nextWord(&word) && word != GEOMOBJECT) {
            if (word == "*MESH_NUMVERTEX") {
                if (!readCount(word, &object->vertexCount))
                    return false;
                object->vertices.assign(static_cast<size_t>(object->vertexCount), Vec3{});
            } else if (word == "*MESH_NUMFACES") {
                if (!readCount(word, &object->faceCount))
                    return false;
                object->faces.assign(static_cast<size_t>(object->faceCount), Face{});
            } else if (word == "*MESH_NUMTVERTEX") {
                if (!readCount(word, &object->texVertexCount))
                    return false;
                object->texVertices.assign(static_cast<size_t>(object->texVertexCount),
                                           TexVertex{});
            } else {
                scan.discardLine();
            }
        }
        return true;
    }

    // Runs over the section acting only on `key`; the other pass keywords
    // are stepped over with their line left to be scanned.
    void readMeshPass(std::string_view key) {
        scan.seek(sectionStart);
        std::string_view word;
        while (scan.nextWord(&word) && word != GEOMOBJECT) {
            if (word == key) {
                if (key == MATERIAL_REF) {
                    readMaterialRef();
                    return;
                }
                act(key);
            } else if (!isMeshPassKeyword(word)) {
                scan.discardLine();
            }
        }
    }

    void act(std::string_view key) {
        if (key == MESH_VERTEX)
            readVertex();
        else if (key == MESH_TVERT)
            readTexVertex();
        else if (key == MESH_FACE)
            readFace();
        else
            readTexFace();
    }

    void readMaterialRef() {
        float value = 0;
        if (scan.readFloat(&value))
            object->materialRef = materialRefFrom(value, materials.size());
    }

    bool readIndex(int32_t count, int32_t* index) {
        return scan.readInt(index) && *index >= 0 && *index < count;
    }

    void skipLine() {
        ++report->skippedLines;
        scan.discardLine();
    }

    // The file is z-up; the game is y-up. (X, Y, Z) -> (X, Z, -Y) keeps
    // handedness.
    void readVertex() {
        int32_t k = 0;
        float x, y, z;
        if (!readIndex(object->vertexCount, &k) || !scan.readFloat(&x) || !scan.readFloat(&y) ||
            !scan.readFloat(&z))
            return skipLine();
        object->vertices[k] = Vec3{x, z, -y};
    }

    // Without a material to scale by, the coordinates are kept as written.
    void readTexVertex() {
        int32_t k = 0;
        float u, v;
        if (!readIndex(object->texVertexCount, &k) || !scan.readFloat(&u) || !scan.readFloat(&v))
            return skipLine();
        float uTiling = 1, vTiling = 1;
        if (object->materialRef >= 0) {
            uTiling = materials[object->materialRef].uTiling;
            vTiling = materials[object->materialRef].vTiling;
        }
        object->texVertices[k] = TexVertex{u * uTiling, v * vTiling};
        object->hasTexCoords = 1;
    }

    bool readLabelled(char label, int32_t* value) {
        scan.skipBlanks();
        return scan.accept(label) && scan.accept(':') && scan.readInt(value);
    }

    // "0:  A: 0 B: 1 C: 2 AB: ..." The edge and smoothing fields are left to
    // be discarded with the line.
    void readFace() {
        int32_t k = 0, a, b, c;
        if (!readIndex(object->faceCount, &k))
            return skipLine();
        scan.accept(':');
        if (!readLabelled('A', &a) || !readLabelled('B', &b) || !readLabelled('C', &c))
            return skipLine();
        Face& face = object->faces[k];
        face.a = a;
        face.b = b;
        face.c = c;
    }

    void readTexFace() {
        int32_t k = 0, ta, tb, tc;
        if (!readIndex(object->faceCount, &k))
            return skipLine();
        scan.accept(':');
        int32_t count = object->texVertexCount;
        if (!readIndex(count, &ta) || !readIndex(count, &tb) || !readIndex(count, &tc))
            return skipLine();
        Face& face = object->faces[k];
        face.ta = ta;
        face.tb = tb;
        face.tc = tc;
    }

    bool read() {
        if (!readMeshCounts())
            return false;
        for (std::string_view key : MESH_PASSES)
            readMeshPass(key);
        dropFacesNamingMissingVertices(object, report);
        return true;
    }
};

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

bool parseAseWordByWord(const char* text, size_t size, Model* model, AseReport* report) {
    AseReport scratch;
    if (!report)
        report = &scratch;
    if (!model || (!text && size > 0))
        return false;

    AseScanner scan(text, size);
    std::vector<const char*> objectStarts = findSections(scan, GEOMOBJECT);
    std::vector<const char*> materialStarts = findSections(scan, MATERIAL);

    Model read;
    read.objectCount = static_cast<int32_t>(objectStarts.size());
    read.materialCount = readMaterialCount(scan);
    if (read.materialCount < 0 || read.materialCount > MAX_MATERIALS) {
        report->error =
            "*MATERIAL_COUNT " + std::to_string(read.materialCount) + " is out of range";
        return false;
    }

    read.materials.resize(static_cast<size_t>(read.materialCount));
    for (size_t i = 0; i < read.materials.size() && i < materialStarts.size(); ++i) {
        scan.seek(materialStarts[i]);
        readMaterial(scan, &read.materials[i]);
    }

    read.objects.resize(objectStarts.size());
    for (size_t i = 0; i < objectStarts.size(); ++i) {
        const char* sectionEnd = i + 1 < objectStarts.size() ? objectStarts[i + 1] : scan.end;
        MeshReader mesh{scan,
                        objectStarts[i],
                        static_cast<size_t>(sectionEnd - objectStarts[i]),
                        static_cast<int>(i + 1),
                        read.materials,
                        &read.objects[i],
                        report};
        if (!mesh.read())
            return false;
        computeVertexNormals(&read.objects[i]);
    }

    *model = std::move(read);
    return true;
}

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

bool parseAse(const char* text, size_t size, Model* model, AseReport* report) {
    AseReport scratch;
    if (!report)
        report = &scratch;
    if (!model || (!text && size > 0))
        return false;
    return readAseOnePass(text, size, model, report) ||
           parseAseWordByWord(text, size, model, report);
}

namespace {

// A file's bytes, not zeroed first: they are all read over.
struct FileBytes {
    std::unique_ptr<char[]> data;
    size_t size = 0;
};

std::string tooLarge() {
    return "the file is larger than " + std::to_string(MAX_ASE_FILE_BYTES >> 20) + " MiB";
}

// The whole file in one read when its size is known, or an error text. A file
// that grows or shrinks meanwhile is read as far as it goes.
bool readWholeFile(int fd, FileBytes* bytes, std::string* error) {
    struct stat status;
    size_t capacity = 1 << 16;
    if (fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && status.st_size >= 0) {
        if (static_cast<unsigned long long>(status.st_size) > MAX_ASE_FILE_BYTES) {
            *error = tooLarge();
            return false;
        }
        capacity = static_cast<size_t>(status.st_size) + 1; // the 1 finds the end
    }
    bytes->data.reset(new char[capacity]);
    for (;;) {
        if (bytes->size == capacity) {
            if (capacity > MAX_ASE_FILE_BYTES) {
                *error = tooLarge();
                return false;
            }
            size_t larger =
                capacity * 2 < MAX_ASE_FILE_BYTES + 1 ? capacity * 2 : MAX_ASE_FILE_BYTES + 1;
            std::unique_ptr<char[]> grown(new char[larger]);
            std::memcpy(grown.get(), bytes->data.get(), bytes->size);
            bytes->data = std::move(grown);
            capacity = larger;
        }
        ssize_t n = read(fd, bytes->data.get() + bytes->size, capacity - bytes->size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            *error = std::strerror(errno);
            return false;
        }
        if (n == 0)
            break;
        bytes->size += static_cast<size_t>(n);
    }
    if (bytes->size > MAX_ASE_FILE_BYTES) {
        *error = tooLarge();
        return false;
    }
    return true;
}

} // namespace

bool loadAse(Model* model, const char* path) {
    if (!model || !path)
        return false;
    int fd = open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        // The message box of the desktop original, as one logged line.
        std::fprintf(stderr, "Error: Unable to find or open the file: %s\n", path);
        return false;
    }
    // Straight from the file in pieces when the one pass takes it; whole
    // otherwise.
    AseReport report;
    bool read = readAseFileOnePass(fd, model, &report);
    std::string error;
    if (!read) {
        // A pipe was not read from: the one pass takes regular files only.
        FileBytes contents;
        bool whole = lseek(fd, 0, SEEK_SET) == 0 || errno == ESPIPE;
        if (!whole)
            error = std::strerror(errno);
        whole = whole && readWholeFile(fd, &contents, &error);
        if (whole && !parseAse(contents.data.get(), contents.size, model, &report))
            error = report.error;
        read = whole && error.empty();
    }
    close(fd);
    if (!read) {
        std::fprintf(stderr, "Error: The model file \"%s\" is refused: %s\n", path, error.c_str());
        return false;
    }
    if (report.skippedLines > 0 || report.droppedFaces > 0)
        std::fprintf(stderr,
                     "Warning: The model file \"%s\" has %d unreadable lines and %d faces "
                     "naming missing vertices; they were skipped\n",
                     path, report.skippedLines, report.droppedFaces);
    return true;
}
