// Arbitrary bytes as a profile file (UTF-8, Windows-1252 or UTF-16): every
// read must end, stay within its capacity and give valid UTF-8, and the file
// written back must read the same and be stable.

#include "store/ProfileDocument.h"
#include "store/TextEncoding.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

void checkRead(const ProfileDocument& document, std::string_view section, std::string_view key)
{
    for (const int capacity : {-1, 0, 1, 2, 7, 256, 514}) {
        std::string buffer;
        const int count = document.readText(section, key, buffer, capacity, "default");
        require(count >= 0 && count <= (capacity > 0 ? capacity - 1 : 0));
        require(TextEncoding::characterCount(buffer) == static_cast<std::size_t>(count));
        require(TextEncoding::isValidUtf8(buffer));
    }
    document.readInt(section, key, -100);
}

void requireSameRead(const ProfileDocument& a, const ProfileDocument& b, std::string_view section,
                     std::string_view key)
{
    std::string first;
    std::string second;
    a.readText(section, key, first, 514, "default");
    b.readText(section, key, second, 514, "default");
    require(first == second);
}

// A name a caller could really use: the names the fuzzer makes up may
// also hold line breaks, brackets or '=', which no write can store as given.
bool plainName(std::string_view name)
{
    for (const char c : name) {
        if (static_cast<unsigned char>(c) < 0x20 || c == '=' || c == '[' || c == ']')
            return false;
    }
    return TextEncoding::isValidUtf8(name);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    ProfileDocument document = ProfileDocument::parse(bytes);

    // Names taken from the input let the fuzzer reach the entries it makes.
    const std::size_t length = size > 0 ? data[0] % 16 : 0;
    const std::string_view section = bytes.substr(std::min<std::size_t>(1, size), length);
    const std::string_view key = bytes.substr(std::min<std::size_t>(1 + length, size), length);
    checkRead(document, section, key);
    checkRead(document, "s", "k");
    checkRead(document, "", "");

    const std::string once = document.serialise();
    ProfileDocument again = ProfileDocument::parse(once);
    require(again.serialise() == once);
    requireSameRead(document, again, section, key);
    requireSameRead(document, again, "s", "k");

    if (plainName(section) && plainName(key)) {
        again.setValue(section, key, "value");
        std::string buffer;
        require(again.readText(section, key, buffer, 256, "") == 5 && buffer == "value");
    }
    return 0;
}
