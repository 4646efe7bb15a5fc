#include "UnCompress.h"

#include <QFile>
#include <QFileInfo>

#include <zlib.h>

#include <memory>

namespace {

constexpr int kChunk = 16534; // read size of the inflating loop

struct InflateStream
{
    z_stream z{};
    bool ready = false;
    explicit InflateStream(const QByteArray& source)
    {
        z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(source.constData()));
        z.avail_in = static_cast<uInt>(source.size());
        ready = inflateInit(&z) == Z_OK;
    }
    ~InflateStream()
    {
        if (ready)
            inflateEnd(&z);
    }
    InflateStream(const InflateStream&) = delete;
    InflateStream& operator=(const InflateStream&) = delete;

    enum class State { More, End, Error };

    // Fills buffer with up to size inflated bytes and says how the stream stands.
    int read(char* buffer, int size, State* state)
    {
        z.next_out = reinterpret_cast<Bytef*>(buffer);
        z.avail_out = static_cast<uInt>(size);
        *state = State::More;
        while (z.avail_out > 0) {
            const int rc = inflate(&z, Z_NO_FLUSH);
            if (rc == Z_STREAM_END) {
                *state = State::End;
                break;
            }
            if (rc != Z_OK) { // damaged data, or input ended before the stream did
                *state = State::Error;
                break;
            }
        }
        return size - static_cast<int>(z.avail_out);
    }
};

} // namespace

void DecompressFile(const QString& source, const QString& target)
{
    if (!QFileInfo(source).isFile())
        return;
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return;
    const QByteArray bytes = in.readAll();
    QFile out(target);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return;
    InflateStream stream(bytes);
    if (!stream.ready)
        return;
    std::unique_ptr<char[]> buffer(new char[kChunk]);
    InflateStream::State state = InflateStream::State::More;
    while (state == InflateStream::State::More) {
        const int n = stream.read(buffer.get(), kChunk, &state);
        if (n > 0 && out.write(buffer.get(), n) != n)
            break;
    }
}

bool InflateBytes(const QByteArray& source, QByteArray* out)
{
    out->clear();
    InflateStream stream(source);
    if (!stream.ready)
        return false;
    std::unique_ptr<char[]> buffer(new char[kChunk]);
    QByteArray result;
    InflateStream::State state = InflateStream::State::More;
    while (state == InflateStream::State::More) {
        const int n = stream.read(buffer.get(), kChunk, &state);
        result.append(buffer.get(), n);
    }
    if (state != InflateStream::State::End)
        return false;
    *out = result;
    return true;
}
