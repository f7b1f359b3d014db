#include <gtest/gtest.h>

#include <string>

#include "model/cp1252.h"

namespace calvex {
namespace {

TEST(ArchiveCharset, EveryByteReadsAndWritesBackUnchanged) {
    std::string all;
    for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
    const std::string text = cp1252ToUtf8(all);
    EXPECT_EQ(utf8ToCp1252(text), all);

    EXPECT_EQ(cp1252ToUtf8("\xe0\xe8\xec\xf2\xf9\x80"), "\u00e0\u00e8\u00ec\u00f2\u00f9\u20ac");
    EXPECT_EQ(cp1252ToUtf8("\x82\x83\x84\x85\x8a\x8c\x8e\x91\x92\x93\x94\x96\x97\x99\x9f"),
              "\u201a\u0192\u201e\u2026\u0160\u0152\u017d\u2018\u2019\u201c\u201d\u2013\u2014\u2122\u0178");
    EXPECT_EQ(cp1252ToUtf8("\x81\x8d\x8f\x90\x9d"), "\u0081\u008d\u008f\u0090\u009d");
    EXPECT_EQ(cp1252ToUtf8("\xa0\xff"), "\u00a0\u00ff");
}

TEST(ArchiveCharset, WhatWindows1252CannotHoldBecomesAQuestionMark) {
    EXPECT_EQ(utf8ToCp1252("\u2713 \u0080 \U0001F600 \u0100"), "? ? ? ?");
    // Lone continuation, cut sequence, overlong slash, surrogate, above U+10FFFF.
    EXPECT_EQ(utf8ToCp1252("a\x80"
                           "b"),
              "a?b");
    EXPECT_EQ(utf8ToCp1252("c\xc3"), "c?");
    EXPECT_EQ(utf8ToCp1252("\xc0\xaf"), "??");
    EXPECT_EQ(utf8ToCp1252("\xed\xa0\x80"), "???");
    EXPECT_EQ(utf8ToCp1252("\xf4\x90\x80\x80"), "????");
    EXPECT_EQ(utf8ToCp1252("\xe2\x82"
                           "x"),
              "??x");
}

} // namespace
} // namespace calvex
