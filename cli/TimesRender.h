// noorvale-times, writing: the calendar rows as a text table, CSV or JSON, and the list of
// authorities.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace nv {

struct TimesRequest;
struct TimesRow;

// The rows in the request's format (text, csv or json), with the place and method above them.
void RenderTimesRows(const TimesRequest& request, const std::vector<TimesRow>& rows, std::ostream& out);

// The authorities and their parameters, one entry of two lines each.
std::string AuthorityList();

}  // namespace nv
