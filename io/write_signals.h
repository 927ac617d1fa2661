#pragma once
// The two signals a write can end the program with, turned into errors the writer reports.
//
// By default a write into a pipe or FIFO whose reader has gone (SIGPIPE) and a write past the
// file size limit, `ulimit -f` (SIGXFSZ), kill the program before the write returns: no message,
// the student's work lost and, for the size limit, a temporary file left behind. Ignored, the
// same writes fail with EPIPE («канал закрыт читающей стороной») and EFBIG («файл слишком
// велик»), which io/output_file.h reports and cleans up after.

namespace kvir {

/// Ignores SIGPIPE and SIGXFSZ for the whole process. The mains of kvir and kvir-cli call it
/// before anything is written. Ignored signals stay ignored in programs started from this one.
void IgnoreWriteSignals();

}  // namespace kvir
