// The story as EXIF (Exif 2.32 date, sub-second and offset tags, GPS) and
// XMP (dc:source, and the frame's index and time in Reelsnap's own
// namespace), through exiv2.
#include "imaging/frame_story.h"

#include <exiv2/exiv2.hpp>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <mutex>

namespace reelsnap {
namespace {

constexpr const char* kNamespace = "https://www.ondrel.com/reelsnap/ns/1.0/";

// exiv2's XMP toolkit is not safe for concurrent use: each encoding
// deletes and registers every namespace again, and a writer in between
// finds "Unregistered schema namespace URI" and loses its XMP. All XMP work
// of the writers' threads holds this lock.
std::mutex& XmpLock() {
    static std::mutex lock;
    return lock;
}

// exiv2's XMP toolkit and its table of namespaces are set up once, before
// any writer's thread uses them.
void InitializeExiv2() {
    static std::once_flag once;
    std::call_once(once, [] {
        Exiv2::XmpParser::initialize();
        Exiv2::XmpProperties::registerNs(kNamespace, "reelsnap");
    });
}

// One signed ISO 6709 component at the start of `text`, taken off it:
// degrees with `degreeDigits` whole digits, or degrees and minutes (two more),
// or degrees, minutes and seconds (four more).
std::optional<double> TakeComponent(std::string_view& text, std::size_t degreeDigits) {
    if (text.empty() || (text[0] != '+' && text[0] != '-')) return std::nullopt;
    const bool negative = text[0] == '-';
    std::size_t end = 1;
    while (end < text.size() && ((text[end] >= '0' && text[end] <= '9') || text[end] == '.')) {
        ++end;
    }
    const std::string_view number = text.substr(1, end - 1);
    text.remove_prefix(end);
    double value = 0;
    const auto [last, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error != std::errc() || last != number.data() + number.size()) return std::nullopt;
    const std::size_t whole = std::min(number.find('.'), number.size());
    double degrees = value;
    if (whole == degreeDigits + 2) {
        degrees = std::floor(value / 100);
        degrees += (value - degrees * 100) / 60;
    } else if (whole == degreeDigits + 4) {
        degrees = std::floor(value / 10000);
        const double minutes = std::floor((value - degrees * 10000) / 100);
        degrees += minutes / 60 + (value - degrees * 10000 - minutes * 100) / 3600;
    } else if (whole != degreeDigits) {
        return std::nullopt;
    }
    return negative ? -degrees : degrees;
}

// Degrees as EXIF writes them: whole degrees, whole minutes, seconds to a
// ten-thousandth.
Exiv2::URationalValue DegreesMinutesSeconds(double degrees) {
    degrees = std::fabs(degrees);
    const double whole = std::floor(degrees);
    const double minutes = std::floor((degrees - whole) * 60);
    const double seconds = ((degrees - whole) * 60 - minutes) * 60;
    Exiv2::URationalValue value;
    value.value_ = {{std::uint32_t(whole), 1},
                    {std::uint32_t(minutes), 1},
                    {std::uint32_t(std::lround(seconds * 10000)), 10000}};
    return value;
}

void AddLocation(Exiv2::ExifData& exif, const GeoPoint& point) {
    Exiv2::DataValue version(Exiv2::unsignedByte);
    version.read("2 3 0 0");
    exif.add(Exiv2::ExifKey("Exif.GPSInfo.GPSVersionID"), &version);
    exif["Exif.GPSInfo.GPSLatitudeRef"] = point.latitude < 0 ? "S" : "N";
    const auto latitude = DegreesMinutesSeconds(point.latitude);
    exif.add(Exiv2::ExifKey("Exif.GPSInfo.GPSLatitude"), &latitude);
    exif["Exif.GPSInfo.GPSLongitudeRef"] = point.longitude < 0 ? "W" : "E";
    const auto longitude = DegreesMinutesSeconds(point.longitude);
    exif.add(Exiv2::ExifKey("Exif.GPSInfo.GPSLongitude"), &longitude);
    if (point.altitude) {
        Exiv2::DataValue below(Exiv2::unsignedByte);
        below.read(*point.altitude < 0 ? "1" : "0");
        exif.add(Exiv2::ExifKey("Exif.GPSInfo.GPSAltitudeRef"), &below);
        Exiv2::URationalValue altitude;
        altitude.value_ = {{std::uint32_t(std::lround(std::fabs(*point.altitude) * 1000)), 1000}};
        exif.add(Exiv2::ExifKey("Exif.GPSInfo.GPSAltitude"), &altitude);
    }
}

// The date in UTC, and its milliseconds.
void AddDate(Exiv2::ExifData& exif, std::int64_t ns) {
    std::int64_t seconds = ns / 1'000'000'000;
    std::int64_t rest = ns % 1'000'000'000;
    if (rest < 0) {
        --seconds;
        rest += 1'000'000'000;
    }
    const std::time_t time = std::time_t(seconds);
    std::tm utc{};
    if (!gmtime_r(&time, &utc)) return;
    char text[32];
    std::strftime(text, sizeof text, "%Y:%m:%d %H:%M:%S", &utc);
    exif["Exif.Photo.DateTimeOriginal"] = std::string(text);
    std::snprintf(text, sizeof text, "%03d", int(rest / 1'000'000));
    exif["Exif.Photo.SubSecTimeOriginal"] = std::string(text);
    exif["Exif.Photo.OffsetTimeOriginal"] = std::string("+00:00");
}

Exiv2::ExifData ExifOf(const FrameStory& story) {
    Exiv2::ExifData exif;
    exif["Exif.Image.Software"] = std::string("Reelsnap ") + REELSNAP_VERSION;
    if (story.takenNs) AddDate(exif, *story.takenNs);
    if (story.location) AddLocation(exif, *story.location);
    return exif;
}

Exiv2::XmpData XmpOf(const FrameStory& story) {
    InitializeExiv2();
    Exiv2::XmpData xmp;
    xmp["Xmp.dc.source"] = story.movieName;
    xmp["Xmp.reelsnap.FrameIndex"] = std::to_string(story.index);
    // Truncated to the millisecond, as the EXIF sub-seconds and the picker
    // show it.
    const std::int64_t ms = std::max<std::int64_t>(story.timeNs, 0) / 1'000'000;
    char seconds[32];
    std::snprintf(seconds, sizeof seconds, "%lld.%03lld", static_cast<long long>(ms / 1000),
                  static_cast<long long>(ms % 1000));
    xmp["Xmp.reelsnap.FrameTime"] = std::string(seconds);
    return xmp;
}

}  // namespace

std::optional<GeoPoint> ParseIso6709(std::string_view text) {
    constexpr double kMostMetres = 1'000'000;
    GeoPoint point;
    const auto latitude = TakeComponent(text, 2);
    const auto longitude = TakeComponent(text, 3);
    if (!latitude || !longitude || std::fabs(*latitude) > 90 || std::fabs(*longitude) > 180) {
        return std::nullopt;
    }
    point.latitude = *latitude;
    point.longitude = *longitude;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        const bool negative = text[0] == '-';
        double metres = 0;
        const auto [last, error] =
            std::from_chars(text.data() + 1, text.data() + text.size(), metres);
        // Heights beyond any place a camera goes (or not a number) are left
        // out, never wrapped into EXIF's 32 bits.
        if (error == std::errc() && last != text.data() + 1 && std::isfinite(metres) &&
            metres <= kMostMetres) {
            point.altitude = negative ? -metres : metres;
        }
    }
    return point;
}

std::optional<StoryMetadata> EncodeStory(const FrameStory& story) {
    const std::lock_guard lock(XmpLock());
    StoryMetadata metadata;
    try {
        Exiv2::Blob exif;
        Exiv2::ExifParser::encode(exif, Exiv2::littleEndian, ExifOf(story));
        metadata.exif.assign(exif.begin(), exif.end());
        if (Exiv2::XmpParser::encode(metadata.xmp, XmpOf(story),
                                     Exiv2::XmpParser::useCompactFormat) != 0) {
            return std::nullopt;
        }
    } catch (const Exiv2::AnyError&) {
        return std::nullopt;
    }
    return metadata;
}

bool AddStoryToFile(EncodedData& file, const FrameStory& story) {
    const std::lock_guard lock(XmpLock());
    try {
        auto image = Exiv2::ImageFactory::open(file.data(), long(file.size()));
        if (!image.get()) return false;
        image->readMetadata();
        image->setExifData(ExifOf(story));
        // Encoded here, where a failure is seen: writeMetadata would only
        // log it and write the file without its XMP.
        std::string packet;
        if (Exiv2::XmpParser::encode(packet, XmpOf(story), Exiv2::XmpParser::useCompactFormat) !=
            0) {
            return false;
        }
        image->setXmpPacket(packet);
        image->writeXmpFromPacket(true);
        image->writeMetadata();
        Exiv2::BasicIo& io = image->io();
        if (io.seek(0, Exiv2::BasicIo::beg) != 0) return false;
        const Exiv2::DataBuf bytes = io.read(long(io.size()));
        if (bytes.size_ <= 0) return false;
        file.assign(bytes.pData_, bytes.pData_ + bytes.size_);
        return true;
    } catch (const Exiv2::AnyError&) {
        return false;
    }
}

}  // namespace reelsnap
