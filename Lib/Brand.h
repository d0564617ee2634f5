#pragma once

// The maker's company word: the organisation name, the first word of the
// application name, and in lower case the suffix of the encrypted catalogue.
inline constexpr char kCompanyWord[] = "Vemo";
