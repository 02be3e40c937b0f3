#pragma once

#include <string_view>

// Every text the user sees, in one place.
namespace pnr::texts {

inline constexpr std::u32string_view windowTitle = U"Person Nr./Ålderskontroll";

inline constexpr std::u32string_view labelDatum = U"Datum";
inline constexpr std::u32string_view labelKon = U"Kön";
inline constexpr std::u32string_view labelAlder = U"Ålder";
inline constexpr std::u32string_view labelAr = U"år";
inline constexpr std::u32string_view labelMan = U"mån";
inline constexpr std::u32string_view labelDag = U"dag";

inline constexpr std::u32string_view groupTitle = U"Kontroll av";
inline constexpr std::u32string_view itemAlder = U"Ålder";
inline constexpr std::u32string_view itemPersonNr = U"PersonNr";
inline constexpr std::u32string_view itemCheckSiffra = U"CheckSiffra";

inline constexpr std::u32string_view noItemSelected = U"Felaktigt datum/personnummer";
inline constexpr std::u32string_view badNumber = U"Felaktigt personnummer";
inline constexpr std::u32string_view badBirthDate = U"Felaktigt födelsedatum";

inline constexpr std::u32string_view approved = U"Godkänd";
inline constexpr std::u32string_view notApproved = U"Ej godkänd";
inline constexpr std::u32string_view male = U"Man";
inline constexpr std::u32string_view female = U"Kvinna";

inline constexpr std::u32string_view unexpectedError = U"Ett oväntat fel inträffade.";

} // namespace pnr::texts
