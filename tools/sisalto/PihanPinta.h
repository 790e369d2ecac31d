// The yard's ground inside the fence in detail: every pixel painted from one
// lattice of points, PX to a metre from the fence's corner, so that two tiles of
// the same ground are the same bytes (PihanMaa.cpp lays them out).
#pragma once

#include "Maisema.h"

#include <vector>

const int PX = 23;             // detail pixels a metre
const int SOLU = 8;            // side of a cell, metres
const int SOLU_PX = SOLU * PX; // 184: the lawn's detail repeats this often
const int REUNA = 4;           // the border round each tile, pixels
const int LAATTA_PX = SOLU_PX + 2 * REUNA;
const int SARAKKEITA = (int)(2 * AIDAN_X) / SOLU, RIVEJA = (int)(AIDAN_Z1 - AIDAN_Z0) / SOLU;
const int LAJEJA = 3; // lawn tiles

struct MAALARI {
    std::vector<PUU> varjostajat; // the trees whose shadows reach the yard
};

// The detailed ground at lattice point (X, Z). Without `kaikki` only the lawn
// (with the clover and flowers of lawn tile `laji`): the shared lawn tiles.
VARI4 Yksityinen(const MAALARI& m, int X, int Z, int laji, bool kaikki);
// Whether nothing but lawn lies on the rectangle (metres, borders included).
bool PelkkaaNurmea(const MAALARI& m, double x0, double z0, double x1, double z1);
