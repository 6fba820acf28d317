#include "recovery/RecoveryCopy.h"

#include "store/ProfileBatch.h"
#include "store/ProfileDocument.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

const std::string Section = "Recovery";
constexpr int PathCapacity = 8192;
constexpr const char* Kinds[] = {"pln", "gev", "rep"};

std::string text(const ProfileDocument& document, std::string_view key)
{
    std::string value;
    document.readText(Section, key, value, PathCapacity, {});
    return value;
}

std::uint64_t number(const ProfileDocument& document, std::string_view key, int base)
{
    return std::strtoull(text(document, key).c_str(), nullptr, base);
}

std::string hex(std::uint64_t value)
{
    char digits[17];
    std::snprintf(digits, sizeof digits, "%016llx", static_cast<unsigned long long>(value));
    return digits;
}

} // namespace

void RecoveryCopy::writeHeader(ProfileBatch& copy) const
{
    copy.writeText(Section, "Kind", kind);
    copy.writeText(Section, "Path", originalPath);
    copy.writeInt(Section, "Existed", original.exists ? 1 : 0);
    copy.writeText(Section, "Size", std::to_string(original.size));
    copy.writeText(Section, "Time", std::to_string(original.modifiedNs));
    copy.writeText(Section, "Hash", hex(original.hash));
}

std::optional<RecoveryCopy> RecoveryCopy::read(const std::string& file)
{
    const ProfileDocument document = ProfileDocument::load(file);
    if (document.source() != ProfileDocument::Source::Read)
        return std::nullopt;
    RecoveryCopy copy;
    copy.file = file;
    copy.kind = text(document, "Kind");
    if (std::none_of(std::begin(Kinds), std::end(Kinds),
                     [&copy](const char* kind) { return copy.kind == kind; }))
        return std::nullopt;
    copy.originalPath = text(document, "Path");
    copy.original.exists = document.readInt(Section, "Existed", 0) != 0;
    copy.original.size = number(document, "Size", 10);
    copy.original.modifiedNs = static_cast<std::int64_t>(number(document, "Time", 10));
    copy.original.hash = number(document, "Hash", 16);
    return copy;
}
