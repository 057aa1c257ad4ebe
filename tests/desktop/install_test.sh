#!/usr/bin/env bash
# Installs the build into a staging folder and checks it the way a desktop reads it: the menu
# entries validate, the file types compile into a MIME database that knows both extensions and
# both file signatures, and the programs, pictures and icons are where they are looked for.
set -euo pipefail
build=$1
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
DESTDIR=$stage cmake --install "$build" --prefix /usr >/dev/null
share=$stage/usr/share
fail() { echo "FAIL: $*" >&2; exit 1; }

for program in olvide olvsplash pendrel; do
  [ -x "$stage/usr/bin/$program" ] || fail "$program is not installed"
done
for app in olvide pendrel; do
  desktop-file-validate "$share/applications/$app.desktop" || fail "$app.desktop does not validate"
  grep -q "^Categories=.*Education;.*Development;" "$share/applications/$app.desktop" \
    || fail "$app.desktop lacks its categories"
  for size in 16 48 256; do
    [ -s "$share/icons/hicolor/${size}x${size}/apps/$app.png" ] || fail "no $size px icon of $app"
  done
done
for type in olvane pendrel; do
  [ -s "$share/icons/hicolor/48x48/mimetypes/application-x-$type-program.png" ] \
    || fail "no file icon for $type programs"
done

update-mime-database "$share/mime" || fail "update-mime-database refused the package"
grep -q ":application/x-olvane-program:\*\.olv$" "$share/mime/globs2" || fail "*.olv not known"
grep -q ":application/x-pendrel-program:\*\.zez$" "$share/mime/globs2" || fail "*.zez not known"
grep -aq "Olvane" "$share/mime/magic" || fail "the program file signature is not in the magic"
grep -q "^application/x-olvane-program$" "$share/mime/types" || fail "olvane type missing"

# Every picture olvide loads by bare name is in the installed picture folder.
pictures=$share/olvan/pictures
for picture in "$build"/bin/*.bmp; do
  [ -s "$pictures/$(basename "$picture")" ] || fail "$(basename "$picture") is not installed"
done
echo "install into a staging folder: programs, pictures, menu entries, file types and icons"
