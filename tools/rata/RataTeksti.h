// Race tracks as text, for tavio-track: one bubble a line, "x y z boost".
#pragma once

#include "files/LukuHuomiot.h"
#include "tools/lentaja/Lentaja.h"

#include <string>
#include <vector>

// The text of a track: remarks that say what the numbers are, then one bubble a
// line. Every number is written with the fewest digits that read back to the
// same double, so a track made from the text is the same to the byte.
std::string RataTekstiksi(const std::vector<RATAKUPLA>& kuplat, const std::string& nimi);

// Reads a track's text (`nimi` names it in the errors). False, with every error
// as "nimi:line: what is wrong", when a line is not four finite numbers or there
// are more than 200 bubbles or none. '#' starts a remark, to the end of its line.
bool RataTekstista(const std::string& teksti, const std::string& nimi,
                   std::vector<RATAKUPLA>& kuplat, std::vector<std::string>& virheet);

// The bytes of a track file: the count, then x, y, z and the boost of each
// bubble, little-endian.
std::string RadanTavut(const std::vector<RATAKUPLA>& kuplat);

// The bubbles the game reads from a track file's bytes (its own reader), with
// what the reader fell back on.
std::vector<RATAKUPLA> RataTavuina(const std::string& tavut, LUKUHUOMIOT& huomiot);
