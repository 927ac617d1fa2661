#pragma once
// The one error type of the headless rooms: what went wrong as a code, and the words that fill its
// message (a file's name, a number, the text refused). It carries no prose: the front ends word it
// in Russian or English from the one table in io/error_texts.h, where it is shown.

#include <cstdint>
#include <exception>
#include <string>
#include <vector>

namespace kvir {

/// What went wrong. The comment of each code lists its arguments in order.
enum class ErrorCode : uint16_t {
  // A scheme number or a list of them.
  kSchemeNumberInvalid,  ///< the text given
  kSchemeRangeReversed,  ///< the range given ("5-3")
  // An exam's order.
  kExamKindUnknown,       ///< the kind given, the kinds there are
  kExamCountInvalid,      ///< the number given, the largest allowed
  kExamSeedInvalid,       ///< the seed given, the largest allowed
  kExamFormatUnknown,     ///< the format given, the formats there are
  kExamNoSchemes,         ///< -
  kExamNoKinds,           ///< -
  kExamNoFile,            ///< -
  kExamTooManyQuestions,  ///< the largest number of questions in all variants
  kExamToStandardOutput,  ///< the file given
  kStudentsUnreadable,    ///< the students file
  kStudentsTooLarge,      ///< the students file
  kStudentsNotUtf8,       ///< the line's number
  kStudentsControl,       ///< the line's number
  kStudentsTwice,         ///< the line's number, the name
  kStudentsNameTooLong,   ///< the line's number, the most characters a name may have
  kStudentsTooMany,       ///< the largest number of names
  kStudentsNone,          ///< -
  // A file's name.
  kFileSuffixRefused,  ///< the name refused, its suffix, the suffixes accepted
  // Pictures.
  kPictureMissing,        ///< the resource's name
  kPictureDamaged,        ///< the picture, what libpng found
  kPictureNoSignature,    ///< the picture
  kPictureBitDepth,       ///< the picture, its bits per channel
  kPictureInterlaced,     ///< the picture
  kPictureChannels,       ///< the picture, its channels, the channels wanted
  kPictureColourType,     ///< the picture, its colour type, the channels wanted
  kPictureTooLarge,       ///< the picture, its size, the largest size
  kPictureWrongSize,      ///< the picture, its size, the size wanted
  kPictureChannelsAsked,  ///< the picture, the channels asked for
  kPictureNotEncodable,   ///< its size, its channels, its bytes of pixels
  kPictureEncodeFailed,   ///< what libpng found
  kTitleStripWidth,       ///< the strip's name, its width, the width wanted
  kWorksheetFailed,       ///< what cairo found
  // A command line.
  kCliNoValue,              ///< - (the option is the context)
  kCliUnexpectedArgument,   ///< the argument, the arguments allowed
  kCliNoFormat,             ///< the formats there are
  kCliNoFile,               ///< the file's suffix, if the command wants one
  kCliNoCommand,            ///< the commands there are
  kCliUnknownCommand,       ///< the word given, the commands there are
  kCliOptionNotTaken,       ///< the option (the command is the context)
  kCliNoArguments,          ///< - (the command is the context)
  kCliExtraAfterScheme,     ///< - (the command is the context)
  kCliNoSchemeNumber,       ///< the largest scheme number (the command is the context)
  kCliNotAButton,           ///< the word, the scheme's number, its buttons
  kCliLabelOnMany,          ///< the label, the scheme's number, the buttons that carry it
  kCliNoLanguage,           ///< - (the option is the context)
  kCliLanguageUnknown,      ///< the language given
  kCliNoZoom,               ///< the zoom levels there are
  kCliZoomUnknown,          ///< the level given, the zoom levels there are
  kCliNoSeparator,          ///< -
  kCliSeparatorUnknown,     ///< the separator given
  kCliSeparatorWithoutCsv,  ///< - (the command is the context)
  kCliNameNotPrinted,       ///< the file written, why its name was not printed
};
/// The last code: every code from 0 to it has its words.
inline constexpr ErrorCode kLastErrorCode = ErrorCode::kCliNameNotPrinted;

/// A failure a user is told of: a code and its arguments, thrown by value.
class Error : public std::exception {
 public:
  explicit Error(ErrorCode code, std::vector<std::string> args = {});

  /// The same error found in `context`, in the words of whoever found it and the same in every
  /// language: "exam: --schemes". Contexts nest: the outer one goes first.
  Error In(const std::string& context) const;

  ErrorCode code() const { return code_; }
  const std::vector<std::string>& args() const { return args_; }
  /// Where it was found; empty where that goes without saying.
  const std::string& context() const { return context_; }
  /// "exam: --schemes: error 1: 5-3": the code's number and the arguments, for logs and tests;
  /// never shown as a message (ErrorText words it).
  const char* what() const noexcept override { return what_.c_str(); }

 private:
  ErrorCode code_;
  std::vector<std::string> args_;
  std::string context_;
  std::string what_;
};

}  // namespace kvir
