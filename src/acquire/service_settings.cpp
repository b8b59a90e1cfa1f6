#include "acquire/service_settings.h"

#include <algorithm>
#include <cctype>
#include <optional>

#include "acquire/downloaded_draws.h"

namespace pickora {

namespace {

constexpr std::string_view kPagesKey = "pages";
constexpr std::string_view kFeedKey = "feed";

bool isAsciiAlnum(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'); }

std::string lower(std::string_view text)
{
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(),
                   [](char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); });
    return result;
}

// The length of "http://" or "https://" at the start, or 0.
std::size_t schemeLength(std::string_view address)
{
    const std::string head = lower(address.substr(0, 8));
    if (head.starts_with("http://"))
        return 7;
    if (head.starts_with("https://"))
        return 8;
    return 0;
}

std::string hostProblem(std::string_view host)
{
    if (host.empty())
        return "没有主机名";
    if (host.size() > 253)
        return "主机名太长";
    std::size_t labelStart = 0;
    for (std::size_t i = 0; i <= host.size(); ++i) {
        if (i < host.size() && host[i] != '.') {
            if (!isAsciiAlnum(host[i]) && host[i] != '-')
                return "主机名中有不能用的字符";
            continue;
        }
        const std::string_view label = host.substr(labelStart, i - labelStart);
        if (label.empty() || label.size() > 63 || label.front() == '-' || label.back() == '-')
            return "主机名的形式不对";
        labelStart = i + 1;
    }
    return {};
}

} // namespace

std::string addressProblem(std::string_view address)
{
    address = trimmed(address);
    if (address.empty())
        return "地址是空的";
    for (const char c : address)
        if (static_cast<unsigned char>(c) <= ' ' || static_cast<unsigned char>(c) >= 0x7F)
            return "地址中有空格或不能用的字符";
    const std::size_t scheme = schemeLength(address);
    if (scheme == 0)
        return "地址要以 http:// 或 https:// 开头";
    std::string_view rest = address.substr(scheme);
    if (rest.find_first_of("?#") != std::string_view::npos)
        return "地址不能带“?”或“#”后面的部分";
    const std::size_t slash = rest.find('/');
    std::string_view authority = rest.substr(0, slash);
    if (authority.find('@') != std::string_view::npos)
        return "地址不能带用户名";
    const std::size_t colon = authority.find(':');
    if (colon != std::string_view::npos) {
        const std::string_view port = authority.substr(colon + 1);
        const std::optional<std::int64_t> value = issueValue(port);
        if (!value || port.size() > 5 || *value < 1 || *value > 65535)
            return "端口号要在 1..65535 之间";
        authority = authority.substr(0, colon);
    }
    return hostProblem(authority);
}

std::string normalisedAddress(std::string_view address)
{
    address = trimmed(address);
    const std::size_t scheme = schemeLength(address);
    const std::string_view rest = address.substr(scheme);
    const std::size_t slash = std::min(rest.find('/'), rest.size());
    std::string result = lower(address.substr(0, scheme)) + lower(rest.substr(0, slash))
                         + std::string(rest.substr(slash));
    if (!result.ends_with('/'))
        result += '/';
    return result;
}

ServiceSettings readServiceSettings(std::string_view text, const ServiceAddresses& defaults)
{
    ServiceSettings settings{defaults, {}};
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    int lineNumber = 0;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find_first_of("\r\n"), text.size());
        std::string_view line = trimmed(text.substr(0, end));
        const bool crlf = end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n';
        text.remove_prefix(std::min(end + (crlf ? 2 : 1), text.size()));
        ++lineNumber;
        if (line.empty() || line.front() == '#')
            continue;
        const std::string where = "第 " + std::to_string(lineNumber) + " 行：";
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) {
            settings.problems.push_back(where + "不是“名称=地址”的形式");
            continue;
        }
        const std::string key = lower(trimmed(line.substr(0, equals)));
        const std::string_view value = trimmed(line.substr(equals + 1));
        std::string* target = key == kPagesKey ? &settings.addresses.pages
                              : key == kFeedKey ? &settings.addresses.feed
                                                : nullptr;
        if (target == nullptr) {
            settings.problems.push_back(where + "不认识的名称“" + key + "”");
            continue;
        }
        const std::string problem = addressProblem(value);
        if (!problem.empty()) {
            settings.problems.push_back(where + problem + "（" + std::string(value) + "）");
            continue;
        }
        *target = normalisedAddress(value);
    }
    return settings;
}

std::string serviceSettingsText(const ServiceAddresses& addresses)
{
    return "# 开奖服务的地址，数据下载从这里读取开奖号码。\n"
           "# pages: 开奖列表页的服务器，读取 /lottery/draw/list/<编号>?d=<日期>\n"
           "# feed:  最新开奖 XML 的服务器，读取 /static/<代码>/newlyopenlist.xml\n"
           "pages="
           + addresses.pages + "\nfeed=" + addresses.feed + "\n";
}

} // namespace pickora
