#pragma once
// The web addresses the program reaches, all in one place. The maker's server is a placeholder
// under the reserved ".example" domain: it never resolves, so the advertisement strip hides
// itself at once and the maker's pages show the browser's own "not found" page. The national
// lottery sites are their real public home pages.

#include <QString>

namespace pickora::ui::web {

inline QString makerServer() { return QStringLiteral("http://www.karvo-pickora.example/"); }
inline QString advertiserPage() { return QStringLiteral("http://www.karvo-pickora.example/"); }

// The results services of the downloads (placeholder hosts): the page server publishes the list
// pages "/lottery/draw/list/<id>?d=<date>", the feed server the feeds
// "/static/<code>/newlyopenlist.xml".
inline QString resultsPageServer() { return QStringLiteral("https://kaijiang.pickora-results.example/"); }
inline QString resultsFeedServer() { return QStringLiteral("https://feed.pickora-results.example/"); }

// "Karvo彩票信息网": the maker's home page.
inline QString makerHomePage() { return makerServer(); }
// "官方网站(&G)": the maker's page "/index.asp".
inline QString makerIndexPage() { return makerServer() + QStringLiteral("index.asp"); }
// "有事Q我(&M)": the maker's instant-messenger contact page.
inline QString makerContactPage() { return makerServer() + QStringLiteral("qq.asp"); }
// "中国体育彩票网" and "中国福利彩票网": the national lottery sites.
inline QString sportsLotterySite() { return QStringLiteral("https://www.lottery.gov.cn/"); }
inline QString welfareLotterySite() { return QStringLiteral("https://www.cwl.gov.cn/"); }
// "中国时时彩官网": the prize video page of a time-lottery site (placeholder host).
inline QString timeLotteryVideoPage()
{
    return QStringLiteral("http://www.shishicai.example/assist/bonusvideo.aspx?lt=4");
}

} // namespace pickora::ui::web
