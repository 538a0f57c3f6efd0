#include "decoder.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace audio {
namespace {

enum class Container { unknown, ogg, mp3 };

// An MP3 starts with an ID3v2 tag or straight with a frame sync; requiring one of them keeps
// the MP3 decoder from hunting for a stray sync pattern inside files that are not audio at all.
Container container_of(const unsigned char* head, size_t size) {
    if (size >= 4 && head[0] == 'O' && head[1] == 'g' && head[2] == 'g' && head[3] == 'S') return Container::ogg;
    if (size >= 3 && head[0] == 'I' && head[1] == 'D' && head[2] == '3') return Container::mp3;
    if (size >= 2 && head[0] == 0xff && (head[1] & 0xe0) == 0xe0) return Container::mp3;
    return Container::unknown;
}

// Reads the first bytes of the file; the result tells a missing file from an unreadable one.
FMOD_RESULT read_head(const std::string& path, unsigned char* head, size_t capacity, size_t& size) {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return errno == ENOENT || errno == ENOTDIR ? FMOD_ERR_FILE_NOTFOUND : FMOD_ERR_FILE_BAD;
    ssize_t got = ::read(fd, head, capacity);
    ::close(fd);
    if (got < 0) return FMOD_ERR_FILE_BAD;
    size = static_cast<size_t>(got);
    return FMOD_OK;
}

}  // namespace

FMOD_RESULT open_decoder(const std::string& path, std::unique_ptr<Decoder>& decoder, const StreamFormat* known) {
    decoder.reset();
    unsigned char head[4];
    size_t size = 0;
    if (FMOD_RESULT result = read_head(path, head, sizeof head, size); result != FMOD_OK) return result;
    switch (container_of(head, size)) {
        case Container::ogg: return open_vorbis(path, decoder);
        case Container::mp3: return open_mp3(path, decoder, known);
        case Container::unknown: break;
    }
    return FMOD_ERR_FILE_BAD;
}

}  // namespace audio
