#pragma once

#include <cstddef>
#include <cstdint>

// The checks the fuzz targets run on one input; a violated property aborts with a message, which
// libFuzzer (or the replay driver) reports as a crash with the input that caused it.
namespace FuzzTargets {

// Once per process: the application object and the ledger's small database.
void initialize();

// The currency parser in several locales: every accepted text prints back to the same value, blanks
// around it change nothing, any raw value prints and parses back to itself, and the typed-amount
// reading agrees with the parser.
void currency(const std::uint8_t* data, std::size_t size);

// The ledger query's text criteria (addText, addFromText, addMemoText) over a small database: no
// engine error, and the rows found lie between what a LIKE that folds only A-Z finds and what one
// that folds every letter finds (the engine reads a text up to a NUL character).
void ledgerText(const std::uint8_t* data, std::size_t size);

} // namespace FuzzTargets
