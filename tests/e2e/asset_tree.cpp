#include "asset_tree.h"

#include "game_process.h"

#include <sys/stat.h>
#include <zlib.h>

#include <array>
#include <fstream>
#include <stdexcept>
#include <vector>

namespace glint::e2e {

namespace {

void putBigEndian(std::string& out, uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<char>((value >> shift) & 0xff));
}

void writeChunk(std::ofstream& file, const char* type, const std::string& data)
{
    std::string chunk;
    putBigEndian(chunk, static_cast<uint32_t>(data.size()));
    chunk.append(type, 4);
    chunk += data;
    const auto* typeAndData = reinterpret_cast<const Bytef*>(chunk.data() + 4);
    putBigEndian(chunk, static_cast<uint32_t>(crc32(0L, typeAndData, static_cast<uInt>(4 + data.size()))));
    file.write(chunk.data(), static_cast<std::streamsize>(chunk.size()));
}

} // namespace

AssetTree::AssetTree() : dir_("glint-e2e-assets")
{
    std::filesystem::copy(bundledDataDir() / "images", root() / "images", std::filesystem::copy_options::recursive);
    std::filesystem::copy(bundledDataDir() / "sound", root() / "sound", std::filesystem::copy_options::recursive);
}

void AssetTree::remove(const std::string& relative)
{
    std::filesystem::remove_all(at(relative));
}

void AssetTree::write(const std::string& relative, const std::string& bytes)
{
    std::ofstream file(at(relative), std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!file)
        throw std::runtime_error("cannot write " + at(relative).string());
}

void AssetTree::truncate(const std::string& relative, double fraction)
{
    std::ifstream original(bundledDataDir() / relative, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(original)), std::istreambuf_iterator<char>());
    if (bytes.empty())
        throw std::runtime_error("no bundled file " + relative);
    write(relative, bytes.substr(0, static_cast<size_t>(double(bytes.size()) * fraction)));
}

void AssetTree::writeBlackPng(const std::string& relative, uint32_t width, uint32_t height)
{
    std::ofstream file(at(relative), std::ios::binary | std::ios::trunc);
    file.write("\x89PNG\r\n\x1a\n", 8);
    std::string header;
    putBigEndian(header, width);
    putBigEndian(header, height);
    header += std::string{8, 0, 0, 0, 0}; // 8 bits, grey, deflate, no filter set, no interlace
    writeChunk(file, "IHDR", header);

    z_stream stream{};
    if (deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, 15, 9, Z_RLE) != Z_OK)
        throw std::runtime_error("deflateInit2 failed");
    const std::vector<Bytef> row(size_t(width) + 1, 0); // filter byte, then the pixels
    std::vector<Bytef> out(1 << 16);
    for (uint32_t y = 0; y <= height; ++y) {
        const bool last = y == height;
        stream.next_in = const_cast<Bytef*>(row.data());
        stream.avail_in = last ? 0 : static_cast<uInt>(row.size());
        int result = Z_OK;
        do {
            stream.next_out = out.data();
            stream.avail_out = static_cast<uInt>(out.size());
            result = deflate(&stream, last ? Z_FINISH : Z_NO_FLUSH);
            const size_t made = out.size() - stream.avail_out;
            if (made > 0)
                writeChunk(file, "IDAT", std::string(reinterpret_cast<const char*>(out.data()), made));
        } while (stream.avail_out == 0 || (last && result != Z_STREAM_END));
    }
    deflateEnd(&stream);
    writeChunk(file, "IEND", {});
    if (!file)
        throw std::runtime_error("cannot write " + at(relative).string());
}

void AssetTree::makeDirectory(const std::string& relative)
{
    std::filesystem::create_directories(at(relative));
}

void AssetTree::makePipe(const std::string& relative)
{
    if (mkfifo(at(relative).c_str(), 0644) != 0)
        throw std::runtime_error("mkfifo " + at(relative).string() + " failed");
}

void AssetTree::makeLink(const std::string& relative, const std::filesystem::path& target)
{
    std::filesystem::create_symlink(target, at(relative));
}

} // namespace glint::e2e
