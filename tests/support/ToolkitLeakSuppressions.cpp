// The toolkit keeps caches for the life of the process that it never frees;
// only those are not leaks of ours. Compiled into each test program of the
// desktop's backend (a definition in a library would not be linked in).
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libgtk-3\nleak:libgdk-3\nleak:libglib-2.0\nleak:libgobject-2.0\nleak:libfontconfig\n"
           "leak:libpango\nleak:libcairo\nleak:libharfbuzz\nleak:libX11\nleak:libatk\nleak:libgio-2.0\n"
           "leak:libatk-bridge\nleak:libdbus\nleak:libwx_gtk3u_core\nleak:libwx_baseu\nleak:librsvg\n"
           "leak:libgdk_pixbuf\nleak:libXi\n";
}
