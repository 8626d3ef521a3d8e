// SPDX-License-Identifier: GPL-3.0-or-later
// One User Program (UP) of the EM-2000: a raw 456-byte record kept exactly as it stands in a
// UPS file. Fields are read and written only through the accessors below; every byte that no
// accessor interprets passes unchanged through load, copy and save.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tarnwick {

inline constexpr int kUPRecordSize = 456;
inline constexpr int kPartCount = 16;
inline constexpr int kSetUPCount = 192;  // a file of exactly this many UPs is a full set

using UPRecord = std::array<std::uint8_t, kUPRecordSize>;

// Parts in the order of every per-part array of a record.
enum Part : int {
  kPartUP1, kPartUP2, kPartUP3, kPartLW1, kPartLW2, kPartMBS, kPartMDR, kPartMI,
  kPartADR, kPartABS, kPartAC1, kPartAC2, kPartAC3, kPartAC4, kPartAC5, kPartAC6,
};

std::string_view PartName(int part);         // "UP1" .. "AC6"
int PartChannelShown(int part);              // the 1-based channel printed beside a part
constexpr bool IsDrumPart(int part) { return part == kPartMDR || part == kPartADR; }
constexpr bool IsArrangerPart(int part) { return part >= kPartADR && part < kPartCount; }

// A bit field of the record: `mask` selects the bits of the byte at `offset` (+ `stride` × part
// for per-part fields); the value read is (byte & mask) >> shift.
struct ByteField {
  std::string_view name;
  std::uint16_t offset;
  std::uint8_t mask;
  std::uint8_t shift;
  std::uint8_t stride;  // 0 for fields that exist once per record
};

namespace field {
inline constexpr ByteField PartVolume{"PartVolume", 0, 0x7F, 0, 1};
inline constexpr ByteField PartPanpot{"PartPanpot", 16, 0x7F, 0, 1};
inline constexpr ByteField PartReverb{"PartReverb", 32, 0x7F, 0, 1};
inline constexpr ByteField PartChorus{"PartChorus", 48, 0x7F, 0, 1};
inline constexpr ByteField PartDelay{"PartDelay", 64, 0x7F, 0, 1};
inline constexpr ByteField PartOff{"PartOff", 112, 0x80, 7, 1};             // set = OFF
inline constexpr ByteField PartSongToneChange{"PartSongToneChange", 112, 0x60, 5, 1};
inline constexpr ByteField PartWrapFull{"PartWrapFull", 112, 0x08, 3, 1};   // set = "Ful"
inline constexpr ByteField PartEqOff{"PartEqOff", 112, 0x04, 2, 1};         // set = OFF
inline constexpr ByteField PartSongLinkOff{"PartSongLinkOff", 112, 0x02, 1, 1};
inline constexpr ByteField PartSongMute{"PartSongMute", 112, 0x01, 0, 1};   // set = "Mut"
inline constexpr ByteField ReverbMacro{"ReverbMacro", 128, 0xFF, 0, 0};
inline constexpr ByteField ChorusMacro{"ChorusMacro", 135, 0xFF, 0, 0};
inline constexpr ByteField DelayMacro{"DelayMacro", 144, 0xFF, 0, 0};
inline constexpr ByteField DBeamHighBit{"DBeamHighBit", 159, 0x08, 3, 0};
inline constexpr ByteField PartToneMSB{"PartToneMSB", 161, 0x7F, 0, 3};
inline constexpr ByteField PartToneLSB{"PartToneLSB", 162, 0x7F, 0, 3};
inline constexpr ByteField PartTonePC{"PartTonePC", 163, 0x7F, 0, 3};
inline constexpr ByteField PartToneArranger{"PartToneArranger", 161, 0x80, 7, 3};  // set = "Arr"
inline constexpr ByteField StyleNumber{"StyleNumber", 209, 0xFF, 0, 0};
inline constexpr ByteField Tempo{"Tempo", 238, 0xFF, 0, 0};
inline constexpr ByteField DBeamLowBits{"DBeamLowBits", 365, 0xF0, 4, 0};
inline constexpr ByteField Pad1Button{"Pad1Button", 419, 0xFF, 0, 0};
inline constexpr ByteField Pad2Button{"Pad2Button", 420, 0xFF, 0, 0};
inline constexpr ByteField SongLocation{"SongLocation", 421, 0xFF, 0, 0};
inline constexpr ByteField EFXInsertionEffect{"EFXInsertionEffect", 440, 0xFF, 0, 0};
}  // namespace field

// Offsets of the three 8-character texts.
inline constexpr int kStyleNameOffset = 347;
inline constexpr int kUPNameOffset = 356;
inline constexpr int kSongNameOffset = 423;
inline constexpr int kText8Size = 8;
inline constexpr std::string_view kNoSong = "????????";

inline constexpr int kTempoMin = 20;
inline constexpr int kTempoMax = 250;

// Reads a field; `part` selects the element of a per-part field and is ignored otherwise.
constexpr std::uint8_t Read(const UPRecord& up, const ByteField& f, int part = 0) {
  return static_cast<std::uint8_t>((up[f.offset + f.stride * part] & f.mask) >> f.shift);
}

inline std::uint8_t GetUPByte(const UPRecord& up, int offset) { return up[offset]; }

// The 8 raw bytes of a text field, untrimmed.
std::string GetUPText8(const UPRecord& up, int offset);
// Stores `text` padded with blanks or cut to exactly 8 bytes.
void SetUPText8(UPRecord& up, int offset, std::string_view text);

inline std::uint8_t GetUPTempo(const UPRecord& up) { return Read(up, field::Tempo); }
void SetUPTempo(UPRecord& up, int value);  // clamped to 20..250

// which: 0 bank MSB, 1 bank LSB, 2 program; bit 7 cleared.
std::uint8_t GetUPPartTone(const UPRecord& up, int part, int which);

inline std::uint8_t GetUPReverbMacro(const UPRecord& up) { return Read(up, field::ReverbMacro); }
inline std::uint8_t GetUPChorusMacro(const UPRecord& up) { return Read(up, field::ChorusMacro); }
inline std::uint8_t GetUPDelayMacro(const UPRecord& up) { return Read(up, field::DelayMacro); }
inline std::uint8_t GetUPEFX(const UPRecord& up) { return Read(up, field::EFXInsertionEffect); }
inline std::uint8_t GetUPPad1(const UPRecord& up) { return Read(up, field::Pad1Button); }
inline std::uint8_t GetUPPad2(const UPRecord& up) { return Read(up, field::Pad2Button); }
std::uint8_t GetUPDBeam(const UPRecord& up);  // 5 bits from bytes 365 and 159

std::string GetUPStyleSourceText(const UPRecord& up);  // "Internal", "Disk", "FlashROM", "Error"
std::string GetUPStyleNumberText(const UPRecord& up);  // "A11".."B88", "D88", "C11".."C28", "Err"
std::string GetUPSongName(const UPRecord& up);         // empty when there is no song
std::string GetUPSongSourceShort(const UPRecord& up);  // "ID3", "FDD", "Err" or empty
std::string GetUPSongSourceLong(const UPRecord& up);   // "SCSI ID 3", "Zip Disk", ... or empty

// "A11".."C88" for 0..191, empty otherwise.
std::string NumToUPBnk(int n);

// Texts with their trailing (and, as the grid shows them, leading) blanks removed.
std::string TrimBlanks(std::string_view text);

}  // namespace tarnwick
