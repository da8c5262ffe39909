// The store of dictionary words: every word file ("*.dic") under the dictionary directory,
// by word length. The generator draws dictionary elements from it and the simple-password
// check looks candidates up in it. The program has one, Dictionary::Get(); tests make their
// own.
#pragma once

#include <wx/arrstr.h>
#include <wx/string.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "engine/WordSet.h"

class Dictionary {
  public:
    Dictionary();
    ~Dictionary();
    Dictionary(const Dictionary&) = delete;
    Dictionary& operator=(const Dictionary&) = delete;

    // The dictionary of the process.
    static Dictionary& Get();

    // Empties the dictionary and fills it from the word files under the directory. False when
    // the directory is missing or some file or subdirectory could not be read; whatever could
    // be read is loaded all the same.
    bool Load(const wxString& directoryPath);
    // Empties the dictionary and has it filled from the directory when it is first asked
    // about its words or its files: every question below loads it first. A start-up that
    // does not need the words yet does not wait for them, and one that never needs them (the
    // terminal modes with settings that use no word) never reads them.
    void LoadWhenUsed(const wxString& directoryPath);
    // Loads now what LoadWhenUsed left waiting; nothing when nothing waits.
    void LoadIfWaiting() const {
        if (waiting) {
            const_cast<Dictionary*>(this)->Load(directory);
        }
    }
    void Clear();

    // Adds the word files of the directory and of its subdirectories down to eight levels
    // below it, reading at most 10000 directory entries in all (WordFileWalk); each real
    // directory once, so a link back to a parent ends there. False when something could
    // not be read or the walk stopped at a limit.
    bool LoadDirectory(const wxString& directoryPath);
    // Adds the words of one word file, read a piece at a time (WordFileReader); its path
    // joins the file list even when it fails. A file that fails part way through keeps the
    // words of the part read.
    bool LoadFile(const wxString& path);

    // True when the word, in small letters, is in the dictionary.
    bool Contains(const wxString& word) const;
    // The number of words whose length lies between a and b (in either order), inclusive.
    std::uint32_t CountWords(std::uint32_t a, std::uint32_t b) const;
    // The index-th word (from 0) counting from the words of firstLength upward through the
    // longer lengths; empty when the index lies beyond the last word. The order within one
    // length never changes while the dictionary is loaded.
    wxString GetWord(std::uint32_t firstLength, std::uint32_t index) const;
    // The total number of words; with a list, also one count per length from 1 to the
    // longest length (entry i - 1 for length i).
    std::uint32_t GetCounts(std::vector<std::uint32_t>* counts = nullptr) const;
    // All words of the length in ascending order of character codes; false (and an empty
    // list) when there is none.
    bool GetWords(std::uint32_t length, wxArrayString& words) const;

    const wxString& GetDirectory() const { return directory; }
    const wxArrayString& GetFiles() const {
        LoadIfWaiting();
        return files;
    }
    std::uint32_t GetMinLength() const {
        LoadIfWaiting();
        return minLength;
    }
    std::uint32_t GetMaxLength() const {
        LoadIfWaiting();
        return maxLength;
    }
    bool IsEmpty() const { return GetMaxLength() == 0; }

    // Bytes held by the words and their tables.
    std::size_t GetMemoryUse() const;

  private:
    // The set of the length, made when the first word of that length comes.
    WordSet& SetFor(std::uint32_t length);
    const WordSet* SetOf(std::uint32_t length) const;

    wxString directory;
    wxArrayString files;
    std::vector<std::unique_ptr<WordSet>> sets;  // by length; null where no word has it
    std::uint32_t minLength = 0;
    std::uint32_t maxLength = 0;
    bool waiting = false;  // the files of the directory are still to be read
};
