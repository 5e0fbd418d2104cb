#pragma once

#include <string>

// One of the six relations of a condition. Texts are ordered by compare(),
// never as numbers: a version "1.10" sorts before "1.9".
class ComparisonOperator
{
public:
    enum Kind
    {
        Equal,
        NotEqual,
        LessOrEqual,
        GreaterOrEqual,
        Greater,
        Less
    };

    explicit ComparisonOperator(Kind aKind);

    Kind kind() const { return myKind; }

    bool apply(const std::string& aLeft, const std::string& aRight) const;

    // Case-insensitive order of two texts: negative, zero or positive. Letters
    // sort before every other character; a text sorts after its own prefixes.
    static int compare(const std::string& aLeft, const std::string& aRight);

private:
    Kind myKind;
};
