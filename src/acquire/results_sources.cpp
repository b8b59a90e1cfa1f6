#include "acquire/results_sources.h"

#include <cstdio>

namespace pickora {

namespace {

constexpr std::array<ResultSource, 4> kSources = {{
    {"重庆体彩11选5", "/lottery/draw/list/558?d=", 8, "/static/cq11x5/newlyopenlist.xml", 14, 33},
    {"广东体彩11选5", "/lottery/draw/list/23?d=", 8, "/static/gd11x5/newlyopenlist.xml", 14, 33},
    {"山东体彩11选5", "/lottery/draw/list/20?d=", 8, "/static/11yun/newlyopenlist.xml", 12, 31},
    {"江西体彩11选5", "/lottery/draw/list/22?d=", 10, "/static/jx11x5/newlyopenlist.xml", 14, 33},
}};

} // namespace

std::span<const ResultSource> resultSources() { return kSources; }

const ResultSource* findResultSource(std::string_view lottery)
{
    for (const ResultSource& source : kSources)
        if (source.lottery == lottery)
            return &source;
    return nullptr;
}

std::string listPageDate(int year, int month, int day)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.4d-%.2d-%.2d", year, month, day);
    return text;
}

} // namespace pickora
