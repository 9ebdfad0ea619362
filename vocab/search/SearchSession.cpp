// SearchSession: the needles of all announced entries are collected by the
// same split the hit rules use, and answered on the first question.
#include "vocab/search/SearchSession.h"

#include <vector>

SearchSession::SearchSession(std::string text, Strategy strategy)
    : text_(std::move(text)), strategy_(strategy) {}

std::string_view SearchSession::foldedText() {
    if (!isFolded_) {
        foldTextInPlace(text_);
        isFolded_ = true;
    }
    return text_;
}

void SearchSession::addEntries(const KeywordList& entries) {
    if (answering_) {
        return;
    }
    for (const KeywordEntry& entry : entries) {
        const std::string_view folded = entry.foldedText();
        if (entry.matchMode == ExactPhrase) {
            addNeedle(folded);
        } else {
            forEachWord(folded, [this](std::string_view word) { addNeedle(word); });
        }
    }
}

void SearchSession::addNeedle(std::string_view foldedNeedle) {
    if (answers_.find(foldedNeedle) == answers_.end()) {
        answers_.emplace(needles_.emplace_back(foldedNeedle), Answer::Unknown);
    }
}

bool SearchSession::occurs(std::string_view foldedNeedle) {
    if (foldedNeedle.empty()) {
        return true;
    }
    if (!answering_) {
        answerAll();
    }
    auto it = answers_.find(foldedNeedle);
    if (it == answers_.end()) {
        it = answers_.emplace(needles_.emplace_back(foldedNeedle), Answer::Unknown).first;
    }
    if (it->second == Answer::Unknown) {
        const bool found = foldedText().find(foldedNeedle) != std::string_view::npos;
        it->second = found ? Answer::Present : Answer::Absent;
    }
    return it->second == Answer::Present;
}

void SearchSession::answerAll() {
    answering_ = true;
    const bool together = strategy_ == Strategy::Together ||
                          (strategy_ == Strategy::Automatic && answers_.size() > kOneByOneLimit);
    if (!together) {
        return; // each needle is answered when asked
    }
    std::vector<std::string_view> needles;
    needles.reserve(answers_.size());
    for (const auto& [needle, answer] : answers_) {
        needles.push_back(needle);
    }
    const std::vector<uint8_t> found = engine_.find(text_, needles);
    size_t i = 0;
    for (auto& [needle, answer] : answers_) {
        answer = found[i++] ? Answer::Present : Answer::Absent;
    }
}
