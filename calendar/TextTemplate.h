#pragma once
// Fills a display template such as "Year %d of cycle %d" with typed values. Templates
// come from the string table, which a language module may replace, so a template is
// never handed to printf: "%d", "%s" and "%%" (with an optional 0 flag and width, as in
// "%02d" or "%2d") are replaced in order, an argument of the other kind is written as it
// is, a conversion without an argument becomes empty, and anything else is copied.

#include <initializer_list>
#include <string>
#include <string_view>

namespace vessant {

class TemplateArg {
public:
    TemplateArg(int number) : number_(number), isText_(false) {}
    TemplateArg(std::wstring_view text) : text_(text), isText_(true) {}
    TemplateArg(const std::wstring& text) : text_(text), isText_(true) {}
    TemplateArg(const wchar_t* text) : text_(text), isText_(true) {}

    bool IsText() const { return isText_; }
    int Number() const { return number_; }
    std::wstring_view Text() const { return text_; }

private:
    int number_ = 0;
    std::wstring_view text_;
    bool isText_;
};

std::wstring FormatTemplate(std::wstring_view pattern, std::initializer_list<TemplateArg> args);

} // namespace vessant
