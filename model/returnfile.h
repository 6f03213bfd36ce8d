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

// No return holds anywhere near this many items; a larger count is damage.
constexpr int kMaxItems = 20000;

constexpr const char* kMessageTitle = "Quillmere 2020";
constexpr const char* kDamagedText = "The file being opened may be damaged, please verify the data after opening.";
constexpr const char* kTooNewText =
    "The tax return file is prepared by a much later version of Quillmere. Please use the right version of "
    "Quillmere to open the tax return file.";

} // namespace ReturnFile
