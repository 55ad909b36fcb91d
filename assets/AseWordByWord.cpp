#include "assets/AseReaderShared.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The word-by-word rules, and the steps the one pass shares with them.

namespace {

// Keeps at most what the reader's word buffer holds.
template <size_t N> void copyWord(char (&out)[N], std::string_view word) {
    static_assert(N == ASE_WORD_LIMIT + 1);
    size_t n = word.size() < ASE_WORD_LIMIT ? word.size() : ASE_WORD_LIMIT;
    std::memcpy(out, word.data(), n);
    out[n] = '\0';
}

} // namespace

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

int32_t materialRefFrom(float value, size_t materialCount) {
    if (std::isfinite(value) && value > -1 && value < static_cast<float>(materialCount))
        return static_cast<int32_t>(value);
    return -1;
}

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

namespace {

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
