// The game's random numbers and the texts of its numbers.
#pragma once

// Inclusive random integer a..b from the C library generator (values 0..32767):
// a + rand() mod (b - a + 1). A range wider than 32768 only ever gives a..a+32767.
int Sattuma(int a, int b);

// Decimal text of n. The text stays valid until the next call of this form.
char* LukuSanaksi(int n);
// x with `desimaalit` digits after the point, as significant digits: 59.876 with 2
// gives "59.88", 0.5 gives "0.5", 1234.5 gives "1234.5". Valid until the next call.
char* LukuSanaksi(double x, int desimaalit);
// Writes the same text into a caller's buffer (at least 64 bytes).
void LukuSanaksi(double x, int desimaalit, char* ulos, int koko);

// A number of a text file, read as the game's files have always been read:
// leading white space, an optional sign, decimal digits with an optional point
// and exponent, the rest ignored; text with no number gives 0, and so do the
// forms a player never writes by accident but some C libraries take ("nan",
// "inf", hexadecimal), so a file can never give a not-a-number. Past the range
// of a double it gives plus or minus infinity, as the C library does. `loppu`,
// when given, is set to the first character not read (`teksti` itself when
// there is no number).
double TekstiLuvuksi(const char* teksti, const char** loppu = nullptr);
