#pragma once

#include <QString>

// The name under which a film's resume position is kept: the 250 little-endian 32-bit words
// of the 1000 bytes at the middle of the file (from size div 2) XORed together, written as
// upper-case hexadecimal without leading zeros. Two copies of a film share it when their
// middles are equal. Empty when the file is missing, is not a regular file (a pipe or a
// device could block or never end) or holds fewer than 1000 bytes from its middle on.
QString FileFingerprint(const QString &path);
