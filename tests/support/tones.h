#pragma once
// Sound files for the tests, encoded on the spot with the project's encoders.
#include <string>

namespace testing_support {

// Writes `ms` milliseconds of a stereo tone (440 Hz left, 660 Hz right, peaks of 9000) at `rate`
// to `path`: MP3 when the name ends in ".mp3", Ogg Vorbis otherwise. Returns `path`; a file that
// fails to encode fails the test.
std::string write_tone(const std::string& path, unsigned ms, int rate = 44100);

}  // namespace testing_support
