#pragma once

#include <string_view>

// What tells one printout's frame from another's; its rows do the rest.
struct PrintoutInfo
{
    std::string_view titleSuffix;  // appended to "Corvanta" for the job title
    std::string_view heading;      // centred on the first page
    int leftMarginHundredths = 75; // left margin as hundredths of an inch
};
