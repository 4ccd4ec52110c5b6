# Writes the bytes of INPUT as a comma-separated list of hexadecimal numbers to OUTPUT, for an
# array initialiser: constexpr unsigned char data[] = {
#include "file.inc"
# };
file(READ ${INPUT} bytes HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${bytes}")
string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n" bytes "${bytes}")
file(WRITE ${OUTPUT} "${bytes}\n")
