// Byte images of the study file and of the configuration file, little-endian, field by field.
#pragma once

#include "core/data/Travail.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace zyv {

inline constexpr std::size_t TailleEnteteTravail = 2244;
inline constexpr std::size_t TailleCaract = 40;
inline constexpr std::size_t TailleGrandeur = 144;
inline constexpr std::size_t TailleEnteteEssai = 616;
inline constexpr std::size_t TailleConfig = 16;
// The largest study file: five full trials. Anything past a study's last point is ignored.
inline constexpr std::size_t TailleMaxTravail =
    TailleEnteteTravail + NbEssaisMax * (TailleEnteteEssai + NbGrandeurs * 4 * NbPointsMax);
// Configuration with the long port name after the 16 bytes: a length byte and the name.
inline constexpr std::size_t TailleMaxConfig = TailleConfig + 1 + 255;

std::vector<std::uint8_t> EncodeTravail(const TTravail& t);
// Reads a study image over t. Returns false when the bytes end before the announced content or
// hold a string length outside its record (the signature's and the carried string's are cut
// instead) or an index outside its table: trial count, last point, study kind, interpolation,
// quantities, zooms and quadrants of every characteristic slot, sort key and load profile of
// each trial read. t is then left partly overwritten and must be discarded.
bool DecodeTravail(TTravail& t, std::span<const std::uint8_t> octets);

std::vector<std::uint8_t> EncodeConfig(const TConfiguration& c);
// Fills c from as many of the 16 bytes as are given (the others keep their value) and takes the
// long port name when it extends NomPort. Returns false when fewer than 16 bytes were given.
bool DecodeConfig(TConfiguration& c, std::span<const std::uint8_t> octets);

} // namespace zyv
