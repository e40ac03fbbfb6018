// The maker's web addresses, the one place they are kept, and which link opens which.
#pragma once

#include <string_view>

namespace vexmoor {

inline constexpr std::string_view kWebSiteAddress = "https://www.quenbry.com";
inline constexpr std::string_view kFacebookAddress = "https://www.facebook.com/Quenbry";
inline constexpr std::string_view kTweetAddress =
    "https://twitter.com/intent/tweet?screen_name=Quenbry";
inline constexpr std::string_view kBlogAddress = "https://quenbry.blogspot.com";

// The address a link label opens: 2 Facebook, 3 a new tweet to the maker, 4 the blog, any other
// index (0 and 1 among them) the web site.
constexpr std::string_view LinkTarget(int index)
{
    switch (index) {
    case 2:
        return kFacebookAddress;
    case 3:
        return kTweetAddress;
    case 4:
        return kBlogAddress;
    default:
        return kWebSiteAddress;
    }
}

} // namespace vexmoor
