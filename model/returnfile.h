#pragma once
// Constants of the ".r21" return file.

namespace ReturnFile {

constexpr int kVersion = 66069;             // written by this version
constexpr int kFirstRefusedVersion = 66070;  // files from later versions are refused
constexpr int kTaxYear = 2021;
// Version gates of the person block.
constexpr int kSince_IgnoredInt = 65989;
constexpr int kSince_StoredValue = 65866;
constexpr int kSince_FormIds = 65856;
constexpr int kSince_SlipSharedId = 65857;
constexpr int kSince_Notes = 65716;
constexpr int kSince_Barcode = 65777;
constexpr int kSince_Password = 66034;
constexpr int kSince_BarcodeLayout = 66064;

constexpr const char* kReservedText = "5829mqv73046158";
constexpr int kMarkerRun = 8;
constexpr char kMarker = 'b';

// Results.
constexpr int kOk = 0;
constexpr int kDamaged = -1;
constexpr int kFormNotCreated = -3;
constexpr int kSlipNotCreated = -4;
constexpr int kNoteNotCreated = -5;
constexpr int kCannotOpen = 107;
constexpr int kWrongPassword = 112;

// What one person's return holds at most, with room to spare: a real
// return has a few dozen forms (each kind of form at most a handful of
// times), a few slips (a trader's T5008 slips may run to a few thousand)
// and a few notes. A larger count is damage, refused before anything is
// made for it: each item made costs a whole form object.
constexpr int kMaxForms = 500;
constexpr int kMaxSlips = 5000;
constexpr int kMaxNotes = 500;

// The second line of the refusal of a file from which not even the
// principal's person block could be read: there is nothing to recover.
constexpr const char* kNotAReturnText = "The file is not a Quillmere 2021 return file.";

constexpr const char* kMessageTitle = "Quillmere 2020";
constexpr const char* kDamagedText = "The file being opened may be damaged, please verify the data after opening.";
constexpr const char* kTooNewText =
    "The tax return file is prepared by a much later version of Quillmere. Please use the right version of "
    "Quillmere to open the tax return file.";

} // namespace ReturnFile
