#pragma once

#include "assets/AseReader.h"
#include "assets/AseScanner.h"

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string_view>

// Two ways through a text: the word-by-word rules, which follow the format
// for any bytes, and one pass over the lines, which reads the same wherever it
// can tell it does, much faster. Both share the keywords and the steps that
// finish a mesh, which this header holds for both: the one pass is in
// AseOnePass.cpp, the word-by-word rules and those steps in AseWordByWord.cpp.

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

inline bool isMaterialKeyword(AseKeyword key) {
    return key >= ASE_MATERIAL_DIFFUSE && key <= ASE_UVW_V_TILING;
}

// A word that some scan of the text acts on or stops at, were it to meet it
// in the middle of a line.
inline bool stopsAScan(AseKeyword key) {
    return key != ASE_OTHER && key != ASE_MATERIAL_COUNT;
}

inline AseKeyword aseKeyword(std::string_view word) {
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
inline std::string_view aseSpelling(AseKeyword key) {
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
void readMaterialKeyword(AseScanner* scan, AseKeyword key, Material* material);

// Written as a float in some files: truncated towards zero. A reference to
// no existing material becomes -1 so no later reader can index past the
// table.
int32_t materialRefFrom(float value, size_t materialCount);

// Faces that name vertices the object lacks (out of range, or never set in an
// object without vertices) would send every later reader outside the vertex
// array.
void dropFacesNamingMissingVertices(MeshObject* object, AseReport* report);

// One normal per vertex: the sum of the raw normals of the faces that use it,
// each face once, divided by minus their count. Larger faces weigh more.
void computeVertexNormals(MeshObject* object);
