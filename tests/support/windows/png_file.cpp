// PNG files without libpng, which the Windows build does not have: the image data goes into stored
// (uncompressed) deflate blocks. Pictures are only kept for people to look at, so size does not matter.
#include "png_file.h"

#include <array>
#include <cstdio>
#include <memory>
#include <string>

namespace {

struct FileCloser {
    void operator()(FILE *f) const { std::fclose(f); }
};

uint32_t Crc32(const uint8_t *data, size_t size, uint32_t crc = 0)
{
    static const std::array<uint32_t, 256> table = [] {
        std::array<uint32_t, 256> t{};
        for (uint32_t n = 0; n < 256; ++n) {
            uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    crc = ~crc;
    for (size_t i = 0; i < size; ++i)
        crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

void PutBigEndian(std::string &out, uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<char>((value >> shift) & 0xFF));
}

void PutChunk(std::string &out, const char type[4], const std::string &data)
{
    PutBigEndian(out, static_cast<uint32_t>(data.size()));
    std::string typed(type, 4);
    typed += data;
    out += typed;
    PutBigEndian(out, Crc32(reinterpret_cast<const uint8_t *>(typed.data()), typed.size()));
}

// A zlib stream of stored blocks, each at most 65535 bytes, with the Adler-32 check at its end.
std::string StoredZlib(const std::string &raw)
{
    std::string out("\x78\x01", 2);
    size_t offset = 0;
    do {
        size_t length = std::min<size_t>(raw.size() - offset, 65535);
        bool last = offset + length == raw.size();
        out.push_back(last ? 1 : 0);
        out.push_back(static_cast<char>(length & 0xFF));
        out.push_back(static_cast<char>(length >> 8));
        out.push_back(static_cast<char>(~length & 0xFF));
        out.push_back(static_cast<char>((~length >> 8) & 0xFF));
        out.append(raw, offset, length);
        offset += length;
    } while (offset < raw.size());
    uint32_t a = 1, b = 0;
    for (unsigned char c : raw) {
        a = (a + c) % 65521;
        b = (b + a) % 65521;
    }
    PutBigEndian(out, (b << 16) | a);
    return out;
}

} // namespace

bool WriteRgbPng(const char *path, int width, int height, const std::vector<uint8_t> &rgb)
{
    if (width <= 0 || height <= 0 || rgb.size() < static_cast<size_t>(width) * height * 3)
        return false;
    std::string header;
    PutBigEndian(header, static_cast<uint32_t>(width));
    PutBigEndian(header, static_cast<uint32_t>(height));
    header += std::string("\x08\x02\x00\x00\x00", 5); // 8 bits, RGB, deflate, no filter choice, no interlace
    std::string raw;
    size_t stride = static_cast<size_t>(width) * 3;
    for (int y = 0; y < height; ++y) {
        raw.push_back(0); // filter "none"
        raw.append(reinterpret_cast<const char *>(rgb.data()) + y * stride, stride);
    }
    std::string file("\x89PNG\r\n\x1a\n", 8);
    PutChunk(file, "IHDR", header);
    PutChunk(file, "IDAT", StoredZlib(raw));
    PutChunk(file, "IEND", std::string());
    std::unique_ptr<FILE, FileCloser> out(std::fopen(path, "wb"));
    return out && std::fwrite(file.data(), 1, file.size(), out.get()) == file.size();
}
