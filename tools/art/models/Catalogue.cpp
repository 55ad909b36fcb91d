#include "tools/art/models/Sculptures.h"

std::vector<SculptedModel> sculptAll() {
    return {sculptArch6Capped(),   sculptArch6Open(),   sculptTower(),      sculptBuildingBig(),
            sculptBuildingSmall(), sculptArchPair(),    sculptArchTriple(), sculptArchCorner(),
            sculptArchFront(),     sculptChurch(),      sculptFrontCap(),   sculptSideCap(),
            sculptKartBody(),      sculptKartOutline(), sculptPlant(),      sculptArrow(),
            sculptSteam()};
}
