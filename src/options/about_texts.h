#pragma once
// The texts of the options dialog's About tab: version, link targets, author and notices.

namespace kelvor {

inline constexpr int kVersionMajor = 1;
inline constexpr int kVersionMinor = 4;
inline constexpr int kVersionRevision = 5;
inline constexpr char kBuildDate[] = "14 January 2004";

inline constexpr char kWebsiteAddress[] = "http://www.kelvor.example/screensaver/";
inline constexpr char kAuthorEmail[] = "saver@kelvor.example";
inline constexpr char kAuthorName[] = "Kelvor Software";

inline constexpr char kWebsiteCaption[] = "website";
inline constexpr char kWebsiteTooltip[] = "click to visit the website";
inline constexpr char kEmailTooltip[] = "click to send an e-mail to Kelvor Software";
inline constexpr char kCopyrightLine[] = "Copyright (C) 2002-2004";
inline constexpr char kRightsLine[] = "All rights reserved.";
inline constexpr char kLicenceNotice[] =
    "This screen saver is freeware: you may use it and give it away free of charge, as long as it is "
    "not changed. It comes without warranty of any kind.";

}  // namespace kelvor
