#pragma once
// The addresses of the two results services the downloads read: the list page server and the
// newest-results feed server. They are kept in a small settings file in the program folder, one
// "key=value" line each ("pages=", "feed="); lines starting with "#" are comments.

#include <string>
#include <string_view>
#include <vector>

namespace pickora {

struct ServiceAddresses {
    std::string pages; // the list pages "/lottery/draw/list/<id>?d=<date>" lie under it
    std::string feed;  // the feeds "/static/<code>/newlyopenlist.xml" lie under it

    friend bool operator==(const ServiceAddresses&, const ServiceAddresses&) = default;
};

// Why an address cannot serve as a results service (UTF-8), or empty when it can: it must be
// "http://" or "https://", a host name or IPv4 address, an optional port 1..65535 and an
// optional path, with no blanks, query or fragment.
std::string addressProblem(std::string_view address);

// The address without surrounding blanks, scheme and host in lower case, ending with "/".
// Only for addresses without a problem.
std::string normalisedAddress(std::string_view address);

struct ServiceSettings {
    ServiceAddresses addresses;
    // One text per refused line or value (UTF-8); the default stays in force for that service.
    std::vector<std::string> problems;
};

// Reads the settings text (UTF-8, any line ends); a missing key keeps its default.
ServiceSettings readServiceSettings(std::string_view text, const ServiceAddresses& defaults);

// The settings text of `addresses`, with its comments (UTF-8, lines ending in LF).
std::string serviceSettingsText(const ServiceAddresses& addresses);

} // namespace pickora
