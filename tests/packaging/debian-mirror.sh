# shellcheck shell=bash
# Sourced by the checks that debootstrap a clean Debian 12.
# bookworm_mirror: prints the mirror apt uses here for bookworm, from a one-line or a
# deb822 source; nothing when apt has none.
bookworm_mirror() {
  {
    cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null |
      sed -e 's/#.*//' -e 's/\[[^]]*\]//' | awk '$1 == "deb" && $3 == "bookworm" {print $2}'
    cat /etc/apt/sources.list.d/*.sources 2>/dev/null | sed '/^[[:space:]]*#/d' |
      awk 'BEGIN { RS = "" }
           { uri = ""; deb = 0; suite = 0; off = 0; n = split($0, line, "\n")
             for (i = 1; i <= n; i++) {
               if (line[i] ~ /^URIs:/) { split(line[i], f, " "); uri = f[2] }
               if (line[i] ~ /^Types:.*[ \t]deb([ \t]|$)/) deb = 1
               if (line[i] ~ /^Suites:.*[ \t]bookworm([ \t]|$)/) suite = 1
               if (line[i] ~ /^Enabled:[ \t]*no/) off = 1
             }
             if (uri != "" && deb && suite && !off) print uri }'
  } | head -n 1
}
