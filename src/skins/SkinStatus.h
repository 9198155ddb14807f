#pragma once

// The outcome of reading or writing a skin file. Callers turn each refusal
// into the message the user sees; nothing here throws.
enum class SkinStatus {
    Ok,
    NotASkin,     // empty version field: not a skin file at all
    OtherVersion, // a version other than the one this program writes
    Damaged,      // a length is negative, runs past the end or is absurdly large
    Missing,      // the file does not exist or is not a readable plain file
    NotAPicture,  // the image part is empty or the picture loader cannot read it
    FieldTooLong, // a text to be written is longer than any reader accepts
    WriteFailed,  // the output could not be written whole
};
