#pragma once

// The company word of the brand this build serves ("Vemo", the maker, unless
// the build option PORTVIEW_BRAND names the sister brand "Hollin"): the
// organisation name, the first word of the application name, and in lower
// case the suffix of the encrypted catalogue.
#ifndef PORTVIEW_BRAND_WORD
#define PORTVIEW_BRAND_WORD "Vemo"
#endif

inline constexpr char kCompanyWord[] = PORTVIEW_BRAND_WORD;
