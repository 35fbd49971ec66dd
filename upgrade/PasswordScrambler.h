#pragma once

#include <QByteArray>

// Passwords are stored in device list files shifted byte by byte by a fixed
// key and written as upper-case hexadecimal pairs.
QByteArray ScramblePassword(const QByteArray& password);

// Reverses ScramblePassword. Pairs are read leniently (a leading blank or sign,
// upper- or lower-case digits, no digits as 0); an odd last character is
// ignored, and a byte that comes out as 0 ends the password.
QByteArray UnscramblePassword(const QByteArray& stored);
