#pragma once

#include <array>
#include <string_view>

namespace quorvane {

// Shown beside the value boxes, in value-field order (the flag byte has no box).
inline constexpr std::array<std::string_view, 7> ValueFieldLabels{
    "Right Hand Weapon Graphic",
    "Left Hand Weapon Graphic",
    "Palette Used By Weapon Graphic",
    "Graphic Attack Effect",
    "Palette Used by Graphic Attack Effect",
    "Weapon Sound Effect",
    "Unknown - Always 0",
};

// Captions of the flag boxes, bit 0 (mask 0x01) first.
inline constexpr std::array<std::string_view, 8> FlagBitLabels{
    "Used in thrown weapons(Doom Darts, Cards, Tack Star, etc.)  Solidifies the sprites used if "
    "they're semi-transparent(such as the assumed Bolt 3).",
    "Used in boomerang-type weapons (Wing Edge, Boomerang, Rising Sun, Full Moon)",
    "Activates transforming weapons (only in Atma Weapon) Without this, Atma Weapon's blade will "
    "not appear (character swings an invisible weapon).",
    "Unknown 1",
    "Unknown 2",
    "Unknown 3",
    "Unknown 4",
    "Activates Throw sprites? (All thrown-while-equipped weapons)",
};

// In table order; the position in this list is the weapon's index.
inline constexpr std::array<std::string_view, 91> WeaponNames{
    "Fists",        "Dirk",         "MithrilKnife", "Guardian",     "Air Lancet",
    "ThiefKnife",   "Assassin",     "Man Eater",    "SwordBreaker", "Graedus",
    "ValiantKnife", "MithrilBlade", "RegalCutlass", "Rune Edge",    "Flame Sabre",
    "Blizzard",     "ThunderBlade", "Epee",         "Break Blade",  "Drainer",
    "Enhancer",     "Crystal",      "Falchion",     "Soul Sabre",   "Ogre Nix",
    "Excalibur",    "Scimitar",     "Illumina",     "Ragnarok",     "Atma Weapon",
    "Mithril Pike", "Trident",      "Stout Spear",  "Partisan",     "Pearl Lance",
    "Gold Lance",   "Aura Lance",   "Imp Halberd",  "Imperial",     "Kodachi",
    "Blossom",      "Hardened",     "Striker",      "Stunner",      "Ashura",
    "Kotetsu",      "Forged",       "Tempest",      "Murasame",     "Aura",
    "Strato",       "Sky Render",   "Heal Rod",     "Mithril Rod",  "Fire Rod",
    "Ice Rod",      "Thunder Rod",  "Poison Rod",   "Pearl Rod",    "Gravity Rod",
    "Punisher",     "Magus Rod",    "Chocobo Brsh", "DaVinci Brsh", "Magical Brsh",
    "Rainbow Brsh", "Shuriken",     "Ninja Star",   "Tack Star",    "Flail",
    "Full Moon",    "Morning Star", "Boomerang",    "Rising Sun",   "Hawk Eye",
    "Bone Club",    "Sniper",       "Wing Edge",    "Cards",        "Darts",
    "Doom Darts",   "Trump",        "Dice",         "Fixed Dice",   "MetalKnuckle",
    "Mithril Claw", "Kaiser",       "Poison Claw",  "Fire Knuckle", "Dragon Claw",
    "Tiger Fangs",
};

}  // namespace quorvane
