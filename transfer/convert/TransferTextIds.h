#pragma once
// String-resource ids of the transfer program's texts (English in
// text/BuiltinStrings.inc, replaceable by a language module like every other text).

namespace vessant::transfer {

// Dialog "Transfer Vessant User Data".
inline constexpr int kIdDialogTitle = 23000;
inline constexpr int kIdOldFolderLabel = 23001;
inline constexpr int kIdOldFolderPrompt = 23002;      // "< click browse to look for ... >"
inline constexpr int kIdBrowse = 23003;
inline constexpr int kIdTitleGroup = 23004;
inline constexpr int kIdTitleExplanation1 = 23005;
inline constexpr int kIdTitleExplanation2 = 23006;
inline constexpr int kIdEnglish = 23007;
inline constexpr int kIdHebrew = 23008;
inline constexpr int kIdDescriptionGroup = 23009;
inline constexpr int kIdDescriptionExplanation = 23010;
inline constexpr int kIdTitleAsDescription = 23011;
inline constexpr int kIdLocationGroup = 23012;
inline constexpr int kIdLocationExplanation = 23013;
inline constexpr int kIdDataFolderLabel = 23014;
inline constexpr int kIdAbout = 23015;
inline constexpr int kIdDoTransfer = 23016;
inline constexpr int kIdClose = 23017;
inline constexpr int kIdFolderChooserCaption = 23018;

// The status after "Browse".
inline constexpr int kIdNotOldFolder = 23020;
inline constexpr int kIdOldFolderFound = 23021;

// Message boxes.
inline constexpr int kIdCloseBoth = 23030;
inline constexpr int kIdCloseOld = 23031;
inline constexpr int kIdCloseCalendar = 23032;
inline constexpr int kIdTransferred = 23033;
inline constexpr int kIdTransferCompleted = 23034;     // caption
inline constexpr int kIdBadEventFile = 23035;
inline constexpr int kIdBadEventFileCaption = 23036;
inline constexpr int kIdBadLocationFile = 23037;
inline constexpr int kIdBadLocationFileCaption = 23038;
inline constexpr int kIdNoTitle = 23039;               // the title of an event that had none
inline constexpr int kIdEventCounts = 23040;           // "Events: %d added, %d already there, ..."
inline constexpr int kIdLocationCounts = 23041;
inline constexpr int kIdTransferFailed = 23042;        // caption
inline constexpr int kIdCannotWrite = 23043;           // "\"%s\" could not be written: %s. ..."
inline constexpr int kIdCannotRead = 23044;            // "\"%s\" could not be read: %s."
inline constexpr int kIdLeftUntouched = 23045;
inline constexpr int kIdProgramName = 23046;           // "DataCarry", the message boxes' caption

// About box.
inline constexpr int kIdAboutTitle = 23050;
inline constexpr int kIdAboutText = 23051;
inline constexpr int kIdVersionLine = 23052;           // "Version %d.%d.%d (build %d)"
inline constexpr int kIdOk = 23053;

// The form without the dialog.
inline constexpr int kIdUsage = 23060;
inline constexpr int kIdUnknownArgument = 23061;

} // namespace vessant::transfer
