#include <gtest/gtest.h>

#include "acquire/service_settings.h"

using namespace pickora;

TEST(ServiceSettings, AddressesAreCheckedAndNormalised)
{
    const std::pair<std::string, std::string> usable[] = {
        {"https://kaijiang.example.com", "https://kaijiang.example.com/"},
        {" HTTP://Feed.Example.COM:8080/mirror/11x5 ", "http://feed.example.com:8080/mirror/11x5/"},
        {"http://127.0.0.1:5000/", "http://127.0.0.1:5000/"},
        {"https://localhost", "https://localhost/"},
    };
    for (const auto& [address, normalised] : usable) {
        EXPECT_EQ(addressProblem(address), "") << address;
        EXPECT_EQ(normalisedAddress(address), normalised);
    }
    const std::pair<std::string, std::string> refused[] = {
        {"", "地址是空的"},
        {"   ", "地址是空的"},
        {"kaijiang.example.com", "地址要以 http:// 或 https:// 开头"},
        {"ftp://kaijiang.example.com/", "地址要以 http:// 或 https:// 开头"},
        {"https://", "没有主机名"},
        {"https:///list", "没有主机名"},
        {"https://kai jiang.example.com/", "地址中有空格或不能用的字符"},
        {"https://开奖.example.com/", "地址中有空格或不能用的字符"},
        {"https://kaijiang.example.com/?d=1", "地址不能带“?”或“#”后面的部分"},
        {"https://user@kaijiang.example.com/", "地址不能带用户名"},
        {"https://kaijiang.example.com:0/", "端口号要在 1..65535 之间"},
        {"https://kaijiang.example.com:65536/", "端口号要在 1..65535 之间"},
        {"https://kaijiang.example.com:/", "端口号要在 1..65535 之间"},
        {"https://kaijiang..example.com/", "主机名的形式不对"},
        {"https://-kaijiang.example.com/", "主机名的形式不对"},
        {"https://kaijiang_1.example.com/", "主机名中有不能用的字符"},
    };
    for (const auto& [address, problem] : refused)
        EXPECT_EQ(addressProblem(address), problem) << address;
}

TEST(ServiceSettings, FileReadsBackAndBadLinesKeepTheDefaults)
{
    const ServiceAddresses defaults{"https://pages.example/", "https://feed.example/"};
    const ServiceAddresses mine{"http://127.0.0.1:8080/", "https://feed.example.com/xml/"};
    const ServiceSettings again = readServiceSettings(serviceSettingsText(mine), defaults);
    EXPECT_EQ(again.addresses, mine);
    EXPECT_TRUE(again.problems.empty());

    const ServiceSettings empty = readServiceSettings("", defaults);
    EXPECT_EQ(empty.addresses, defaults);
    EXPECT_TRUE(empty.problems.empty());

    // CR LF line ends and a byte order mark; the feed line is bad, so its default stays.
    const ServiceSettings mixed = readServiceSettings(
        "\xEF\xBB\xBF# comment\r\n\r\n PAGES = https://Mirror.example.com \r\nfeed=feed.example.com\r\n"
        "colour=green\r\njust text\r\n",
        defaults);
    EXPECT_EQ(mixed.addresses, (ServiceAddresses{"https://mirror.example.com/", defaults.feed}));
    EXPECT_EQ(mixed.problems,
              (std::vector<std::string>{"第 4 行：地址要以 http:// 或 https:// 开头（feed.example.com）",
                                        "第 5 行：不认识的名称“colour”", "第 6 行：不是“名称=地址”的形式"}));
}
