// Every model file the sculptor writes: readable by the game, with the mesh
// objects the shading preparation addresses, sound indices and outward faces.
#include "tests/unit/art/modelsGenerated.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <tuple>
#include <vector>

namespace {

Vec3 faceNormal(const MeshObject& o, const Face& f) {
    Vec3 p = o.vertices[f.a], q = o.vertices[f.b], r = o.vertices[f.c];
    return cross(subtract(q, p), subtract(r, p)); // length is twice the area
}

Vec3 faceCentre(const MeshObject& o, const Face& f) {
    return divide(add(add(o.vertices[f.a], o.vertices[f.b]), o.vertices[f.c]), 3);
}

float dot3(Vec3 a, Vec3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

// Faces that touch (share a corner position) belong to one solid.
std::vector<std::vector<int>> solidsOf(const MeshObject& o) {
    using Key = std::tuple<long, long, long>;
    auto key = [](Vec3 v) {
        return Key{std::lround(v.x * 1000), std::lround(v.y * 1000), std::lround(v.z * 1000)};
    };
    std::vector<int> parent(o.faces.size());
    for (size_t i = 0; i < parent.size(); ++i)
        parent[i] = static_cast<int>(i);
    auto root = [&](int i) {
        while (parent[i] != i)
            i = parent[i] = parent[parent[i]];
        return i;
    };
    std::map<Key, int> firstFace;
    for (size_t i = 0; i < o.faces.size(); ++i)
        for (int corner : {o.faces[i].a, o.faces[i].b, o.faces[i].c}) {
            auto [it, fresh] = firstFace.emplace(key(o.vertices[corner]), static_cast<int>(i));
            if (!fresh)
                parent[root(static_cast<int>(i))] = root(it->second);
        }
    std::map<int, std::vector<int>> groups;
    for (size_t i = 0; i < o.faces.size(); ++i)
        groups[root(static_cast<int>(i))].push_back(static_cast<int>(i));
    std::vector<std::vector<int>> solids;
    for (auto& [r, faces] : groups)
        solids.push_back(faces);
    return solids;
}

// Area-weighted: how much the faces of one solid look away from its middle.
float outwardness(const MeshObject& o, const std::vector<int>& faces) {
    Vec3 middle;
    float area = 0;
    for (int f : faces) {
        float a = length3(faceNormal(o, o.faces[f]));
        middle = add(middle, divide(faceCentre(o, o.faces[f]), 1 / a));
        area += a;
    }
    middle = divide(middle, area);
    float sum = 0;
    for (int f : faces) {
        Vec3 away = subtract(faceCentre(o, o.faces[f]), middle);
        float reach = length3(away);
        if (reach > 1e-4f)
            sum += dot3(faceNormal(o, o.faces[f]), away) / reach;
    }
    return sum / area;
}

TEST(ModelFiles, EveryFileLoadsWithTheObjectsItsShadingAddresses) {
    for (const GeneratedModel& file : GENERATED_MODELS) {
        Model model;
        std::string path = (modelDataFolder() / file.name).string();
        ASSERT_TRUE(loadAse(&model, path.c_str())) << path << " (has the build run?)";
        EXPECT_GE(model.objectCount, file.objectsAddressed) << file.name;
        EXPECT_EQ(model.objectCount, static_cast<int>(model.objects.size())) << file.name;
        EXPECT_EQ(model.materialCount, model.objectCount) << file.name;
        for (const MeshObject& o : model.objects) {
            EXPECT_GT(o.faceCount, 0) << file.name;
            EXPECT_GE(o.materialRef, 0) << file.name;
            EXPECT_LT(o.materialRef, model.materialCount) << file.name;
        }
    }
    EXPECT_EQ(generatedModel("cart.ASE").objectCount, 11);
}

TEST(ModelFiles, FacesUseEveryVertexAndOnlyRealOnes) {
    for (const GeneratedModel& file : GENERATED_MODELS) {
        const Model& model = generatedModel(file.name);
        for (size_t i = 0; i < model.objects.size(); ++i) {
            const MeshObject& o = model.objects[i];
            std::vector<bool> used(o.vertices.size(), false);
            for (const Face& f : o.faces)
                for (int v : {f.a, f.b, f.c}) {
                    ASSERT_GE(v, 0) << file.name << " object " << i;
                    ASSERT_LT(v, o.vertexCount) << file.name << " object " << i;
                    used[v] = true;
                }
            EXPECT_EQ(std::count(used.begin(), used.end(), false), 0)
                << file.name << " object " << i << " has vertices no face uses";
        }
    }
}

TEST(ModelFiles, NoFaceIsDegenerate) {
    for (const GeneratedModel& file : GENERATED_MODELS)
        for (const MeshObject& o : generatedModel(file.name).objects)
            for (const Face& f : o.faces)
                EXPECT_GT(length3(faceNormal(o, f)), 1e-6f) << file.name;
}

// Vaults through deep gateways are seen from inside, so their solids
// rightly face their own middle.
bool isVault(const std::string& file, size_t object) {
    return (file == "tower.ase" && object == 4) ||
           (file == "archFront.ASE" && object >= 3 && object <= 5);
}

// A lone flat face has no inside to face away from and scores zero; a solid
// wound the wrong way round scores well below zero.
TEST(ModelFiles, EverySolidFacesOutward) {
    for (const GeneratedModel& file : GENERATED_MODELS) {
        const Model& model = generatedModel(file.name);
        for (size_t i = 0; i < model.objects.size(); ++i)
            for (const std::vector<int>& solid : solidsOf(model.objects[i]))
                EXPECT_GE(outwardness(model.objects[i], solid), isVault(file.name, i) ? -1 : -0.02f)
                    << file.name << " object " << i << " has a solid facing inward";
    }
}

// The faces a player sees: arch fronts toward the field, roofs up, the
// walkway ceiling down, the church front toward the field.
TEST(ModelFiles, VisibleFacesLookTowardTheViewer) {
    const Model& arcade = generatedModel("arch6capped.ase");
    int checked = 0;
    for (const Face& f : arcade.objects[2].faces) {
        const MeshObject& arches = arcade.objects[2];
        Vec3 n = faceNormal(arches, f), c = faceCentre(arches, f);
        if (std::fabs(c.z) < 1e-4f) {
            EXPECT_GT(n.z, 0);
            ++checked;
        }
    }
    const MeshObject& roof = arcade.objects[0];
    for (const Face& f : roof.faces) {
        Vec3 n = faceNormal(roof, f), c = faceCentre(roof, f);
        if (c.y > 7.5f)
            EXPECT_GT(n.y, 0);
        else
            EXPECT_LT(n.y, 0);
        ++checked;
    }
    const MeshObject& facade = generatedModel("quorel.ASE").objects[2];
    for (const Face& f : facade.faces) {
        Vec3 n = faceNormal(facade, f), c = faceCentre(facade, f);
        if (std::fabs(c.z) < 1e-4f) {
            EXPECT_GT(n.z, 0);
            ++checked;
        }
    }
    EXPECT_GT(checked, 40);
}

// The outline shell draws its back faces as lines, so it must be closed:
// every edge shared by exactly two faces running it in opposite directions,
// and the enclosed volume positive.
TEST(ModelFiles, KartOutlineIsClosedShellsFacingOut) {
    const MeshObject& shell = generatedModel("cartbg.ASE").objects[0];
    using Key = std::tuple<long, long, long>;
    auto key = [](Vec3 v) {
        return Key{std::lround(v.x * 10000), std::lround(v.y * 10000), std::lround(v.z * 10000)};
    };
    std::map<std::pair<Key, Key>, int> directedEdges;
    for (const Face& f : shell.faces) {
        int corners[3] = {f.a, f.b, f.c};
        for (int k = 0; k < 3; ++k)
            ++directedEdges[{key(shell.vertices[corners[k]]),
                             key(shell.vertices[corners[(k + 1) % 3]])}];
    }
    for (const auto& [edge, count] : directedEdges) {
        EXPECT_EQ(count, 1) << "an edge runs twice the same way";
        auto reverse = directedEdges.find({edge.second, edge.first});
        EXPECT_TRUE(reverse != directedEdges.end()) << "an open edge";
    }
    for (const std::vector<int>& solid : solidsOf(shell)) {
        float volume = 0;
        for (int f : solid) {
            const Face& face = shell.faces[f];
            volume += dot3(shell.vertices[face.a],
                           cross(shell.vertices[face.b], shell.vertices[face.c])) /
                      6;
        }
        EXPECT_GT(volume, 0);
    }
}

} // namespace
