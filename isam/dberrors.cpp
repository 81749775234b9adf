// Error numbers to "dberr" text lines and the composed message.
#include "isam/dberrors.h"

#include <cstdio>
#include <utility>

namespace dberrors {

kiosk::ShortStr<80> IsamErrorText;
kiosk::ShortStr<80> IsamEMessage;

namespace {

DberrFetcher fetcher;

struct Range {
  std::int32_t from, to;
  int line;
};
// Several numbers share a line; ranges include both ends.
constexpr Range kLines[] = {
    {200, 200, 1},       {9900, 9900, 2},     {9901, 9901, 3},     {9902, 9902, 4},
    {9903, 9903, 5},     {9904, 9904, 6},     {9908, 9908, 7},     {10000, 10000, 8},
    {10001, 10009, 9},   {10010, 10010, 10},  {10020, 10020, 11},  {10030, 10030, 12},
    {10040, 10040, 12},  {10050, 10050, 13},  {10055, 10055, 14},  {10125, 10125, 14},
    {10060, 10060, 15},  {10065, 10065, 16},  {10070, 10070, 17},  {10075, 10075, 18},
    {10080, 10080, 19},  {10090, 10090, 20},  {10100, 10100, 20},  {10356, 10356, 20},
    {10110, 10110, 21},  {10120, 10120, 22},  {10121, 10121, 23},  {10130, 10130, 24},
    {10135, 10135, 24},  {10140, 10140, 25},  {10150, 10150, 26},  {10160, 10160, 27},
    {10164, 10164, 28},  {10170, 10170, 29},  {10180, 10180, 30},  {10190, 10190, 31},
    {10191, 10191, 32},  {10192, 10192, 33},  {10200, 10200, 34},  {10205, 10205, 35},
    {10210, 10210, 36},  {10220, 10220, 37},  {10230, 10230, 38},  {10240, 10240, 39},
    {10250, 10250, 39},  {10245, 10245, 40},  {10255, 10255, 40},  {10260, 10260, 40},
    {10265, 10265, 40},  {10270, 10270, 40},  {10280, 10280, 41},  {10285, 10285, 41},
    {10306, 10306, 42},  {10310, 10310, 43},  {10315, 10315, 44},  {10322, 10323, 45},
    {10330, 10330, 46},  {10332, 10332, 47},  {10335, 10335, 48},  {10337, 10337, 49},
    {10340, 10342, 50},  {10345, 10345, 51},  {10355, 10355, 52},  {10397, 10397, 52},
    {10399, 10399, 52},  {10398, 10398, 53},  {10410, 10410, 54},  {10411, 10411, 55},
    {10412, 10412, 56},  {10415, 10415, 57},  {10420, 10420, 58},  {10425, 10425, 58},
    {10430, 10430, 59},  {10435, 10435, 60},  {10440, 10440, 61},  {10445, 10445, 62},
    {10446, 10446, 63},  {10450, 10450, 64},  {10455, 10455, 65},  {10460, 10460, 66},
    {10465, 10465, 67},
};

}  // namespace

int IsamErrorLine(std::int32_t F) {
  for (const Range& r : kLines)
    if (F >= r.from && F <= r.to) return r.line;
  return 0;
}

void SetDberrFetcher(DberrFetcher fetch) { fetcher = std::move(fetch); }

void IsamErrorNum(std::int32_t F) {
  IsamErrorText.clear();
  int line = IsamErrorLine(F);
  if (line != 0 && fetcher) IsamErrorText = fetcher(line);  // cut to 80
  char number[16];
  std::snprintf(number, sizeof number, "%5d", static_cast<int>(F));
  IsamEMessage = " Error # ";
  IsamEMessage += number;
  IsamEMessage += " ";
  IsamEMessage += IsamErrorText;
}

void ResetForTest() {
  fetcher = nullptr;
  IsamErrorText.clear();
  IsamEMessage.clear();
}

}  // namespace dberrors
