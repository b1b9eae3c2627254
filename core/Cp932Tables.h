#pragma once

// Code page 932's byte structure and its tables, shared by the converter and the program
// that generates the tables.
namespace cp932::tables {

inline constexpr bool isLead(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}
inline constexpr bool isTrail(unsigned char byte) {
    return (byte >= 0x40 && byte <= 0x7E) || (byte >= 0x80 && byte <= 0xFC);
}

inline constexpr int LeadCount = 60;
inline constexpr int TrailCount = 188;
inline constexpr int leadIndex(unsigned char lead) {
    return lead <= 0x9F ? lead - 0x81 : lead - 0xE0 + (0x9F - 0x81 + 1);
}
inline constexpr int trailIndex(unsigned char trail) {
    return trail <= 0x7E ? trail - 0x40 : trail - 0x80 + (0x7E - 0x40 + 1);
}

// What a byte outside any pair stands for (0 for a lead byte); a byte that is no character
// stands for Substitute.
extern const char16_t Single[256];
// What a lead byte and a trail byte stand for; U+FFFD where the pair is no character.
extern const char16_t Double[LeadCount][TrailCount];
inline constexpr char16_t Substitute = 0x1A;
inline constexpr char16_t Replacement = 0xFFFD;

} // namespace cp932::tables
