// One function per picture the game reads. Each returns the picture as it
// should be seen, already mirrored or flipped where the game's quad maps it
// that way round.
#pragma once

#include "Canvas.h"
#include "Lettering.h"

// The outline of the lettering and the icon, as dark as the karts' own.
inline const Rgba INK = hexColour(0x141433);

// Sky and sprites.
Canvas paintCloud(int variant);
Canvas paintMoon();
Canvas paintParticle();
Canvas paintPalmTree();
Canvas paintLamp();
Canvas paintBush();
Canvas paintCoconut();

// Under and behind the karts.
Canvas paintShadow();
Canvas paintBrakeLight();

// Repeating surfaces.
Canvas paintFloor();
Canvas paintBrick();
Canvas paintArcadeTile();
Canvas paintFence();
Canvas paintPlasma();

// Background and facade pictures.
Canvas paintHills();
Canvas paintTower();
Canvas paintChurch();
Canvas paintBike();

// Dashboard.
Canvas paintDial(const Font& font);
Canvas paintNeedle();
Canvas paintDigitStrip(const Font& font);

// Centred messages.
enum class Message { PlayerOneWins, PlayerTwoWins, HurryUp, Goal, Ready, Set, Go };
Canvas paintMessage(const Font& font, Message message);
Canvas paintTitle(const Font& font);
Canvas paintPaused(const Font& font);
Canvas paintMatchChoice(const Font& font);

// Small words beside the speedometer: the computer's kart and its level.
enum class Label { Cpu, Easy, Normal, Hard };
Canvas paintLabel(const Font& font, Label label);

// Every printable ASCII character in a cell of its own, for free text.
Canvas paintGlyphSheet(const Font& font);

// The game's icon, a kart from the side, `size` pixels square.
Canvas paintKartIcon(int size);
