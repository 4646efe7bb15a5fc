// Compresses one file into a zlib stream (RFC 1950): yq_pack SOURCE TARGET.
// Used at build time for the stored skins and the shipped pictures.
#include <zlib.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: yq_pack SOURCE TARGET\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "yq_pack: cannot read %s\n", argv[1]);
        return 1;
    }
    std::vector<unsigned char> src((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    uLongf outLen = compressBound(static_cast<uLong>(src.size()));
    std::vector<unsigned char> out(outLen);
    if (compress2(out.data(), &outLen, src.data(), static_cast<uLong>(src.size()), Z_BEST_COMPRESSION) != Z_OK) {
        std::fprintf(stderr, "yq_pack: compression failed\n");
        return 1;
    }
    std::ofstream os(argv[2], std::ios::binary | std::ios::trunc);
    os.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(outLen));
    return os ? 0 : 1;
}
