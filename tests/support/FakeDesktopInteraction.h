#pragma once

#include "services/DesktopInteraction.h"

#include <gtest/gtest.h>
#include <juce_events/juce_events.h>

#include <deque>
#include <functional>
#include <utility>
#include <vector>

// Answers every question at once from queued answers and records what the program showed. A
// question or chooser that the test did not expect fails the test and is cancelled.
class FakeDesktopInteraction final : public DesktopInteraction
{
public:
    struct Shown
    {
        juce::String title;
        juce::String text;
    };

    void showWarningAsync (const juce::String& title, const juce::String& text) override
    {
        warnings.push_back ({title, text});
    }

    void showNotice (const juce::String& title, const juce::String& text) override
    {
        notices.push_back ({title, text});
    }

    SaveAnswer askYesNoCancel (const juce::String& title, const juce::String& text) override
    {
        questions.push_back ({title, text});

        // What the user does elsewhere while the question is up, as a real modal box allows.
        if (auto action = std::exchange (whileAsking, nullptr))
            action();

        if (answers.empty())
        {
            ADD_FAILURE() << "unexpected question: " << text;
            return SaveAnswer::cancel;
        }
        const auto answer = answers.front();
        answers.pop_front();
        return answer;
    }

    juce::File chooseFileToOpen (const juce::String& title, const juce::String& pattern) override
    {
        openChoosers.push_back ({title, pattern});
        return nextFile (filesToOpen);
    }

    juce::File chooseFileToSave (const juce::String& title, const juce::String& pattern) override
    {
        saveChoosers.push_back ({title, pattern});

        // What the user does elsewhere while the chooser is up, as a real modal chooser allows.
        if (auto action = std::exchange (whileChoosing, nullptr))
            action();

        return nextFile (filesToSave);
    }

    // Answers from the same queue as the modal chooser, later, as the desktop's own would.
    void chooseFileToOpenAsync (const juce::String& title, const juce::String& pattern,
                                std::function<void (const juce::File&)> onChosen) override
    {
        openChoosers.push_back ({title, pattern});
        juce::MessageManager::callAsync ([file = nextFile (filesToOpen), onChosen = std::move (onChosen)]
                                         { onChosen (file); });
    }

    // Refuses later, on the message thread, as the desktop's own does.
    void openWithSystem (const juce::File& document, std::function<void()> onRefused) override
    {
        openedDocuments.push_back (document);
        if (refuseDocuments && onRefused)
            juce::MessageManager::callAsync (std::move (onRefused));
    }

    // Whether the system has no viewer for the documents handed to it.
    bool refuseDocuments = false;

    // Runs once, during the next question; and once during the next save chooser.
    std::function<void()> whileAsking;
    std::function<void()> whileChoosing;

    // Answers for the next questions, in order.
    std::deque<SaveAnswer> answers;
    // What the next choosers return; a default file stands for Cancel.
    std::deque<juce::File> filesToOpen, filesToSave;

    std::vector<Shown> warnings, notices, questions;
    std::vector<Shown> openChoosers, saveChoosers; // title and pattern
    std::vector<juce::File> openedDocuments;

private:
    static juce::File nextFile (std::deque<juce::File>& files)
    {
        if (files.empty())
            return {};
        auto file = files.front();
        files.pop_front();
        return file;
    }
};
