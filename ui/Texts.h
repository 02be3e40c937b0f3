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

inline constexpr std::u32string_view menuArkiv = U"Arkiv";
inline constexpr std::u32string_view menuAvsluta = U"&Avsluta";
inline constexpr std::u32string_view menuHjalp = U"Hjälp";

// Names a screen reader gives the boxes, after the labels beside them.
inline constexpr std::u32string_view accessibleResult = U"Resultat";
inline constexpr std::u32string_view accessibleYears = U"Ålder år";
inline constexpr std::u32string_view accessibleMonths = U"Ålder mån";
inline constexpr std::u32string_view accessibleDays = U"Ålder dag";

inline constexpr std::u32string_view helpTitle = U"Hjälp";
inline constexpr std::u32string_view helpClose = U"&Stäng";
inline constexpr std::u32string_view helpText = U"Programmet kan användas på tre sätt:\n"
                                                U"\n"
                                                U"1  Vill man enbart åldern: Skriv in födelsedatum i \n"
                                                U"    format ÅÅMMDD och markera \"Ålder\"\n"
                                                U"\n"
                                                U"2  Vill man kontrollera personnummer: Skriv in \n"
                                                U"    personnummret i format ÅÅMMDD-XXXX \n"
                                                U"    och markera \"PersonNr\"\n"
                                                U"\n"
                                                U"3  Vill man räkna fram kontrollsiffran: Skriv in\n"
                                                U"    format ÅÅMMDD-XXX och markera\n"
                                                U"    \"CheckSiffra\" ";

inline constexpr std::u32string_view unexpectedError = U"Ett oväntat fel inträffade.";

} // namespace pnr::texts
