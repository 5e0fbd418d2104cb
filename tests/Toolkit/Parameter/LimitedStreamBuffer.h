#pragma once

#include <cstddef>
#include <streambuf>
#include <string>

// An unbuffered output that takes a given number of characters and then fails,
// as a full disk would.
class LimitedStreamBuffer : public std::streambuf
{
public:
    explicit LimitedStreamBuffer(std::size_t aLimit) : myLimit(aLimit) {}
    const std::string& written() const { return myWritten; }

protected:
    int_type overflow(int_type aCharacter) override
    {
        if (traits_type::eq_int_type(aCharacter, traits_type::eof()))
        {
            return traits_type::not_eof(aCharacter);
        }
        if (myWritten.size() >= myLimit)
        {
            return traits_type::eof();
        }
        myWritten += traits_type::to_char_type(aCharacter);
        return aCharacter;
    }

private:
    std::size_t myLimit;
    std::string myWritten;
};
