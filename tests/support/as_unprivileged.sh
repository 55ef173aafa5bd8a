#!/bin/sh
# Runs a test program as an ordinary user. Root may write any file, so a case about a refusal
# proves nothing as root: there the program is copied into a scratch folder that "nobody" may
# use (the build's own folders may be closed to it) and runs as nobody, in a home of its own.
# Anyone else runs the program as it is.
set -eu
program=$1
shift
if [ "$(id -u)" -ne 0 ]; then
    exec "$program" "$@"
fi
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
copy=$scratch/${program##*/}
cp "$program" "$copy"
chmod 755 "$scratch" "$copy"
mkdir -m 700 "$scratch/home"
chown nobody:nogroup "$scratch/home"
# The sanitizer build's suppressions may lie where nobody cannot read them: they come along.
supp=$(printf '%s' "${LSAN_OPTIONS-}" | sed -n 's/^\(.*:\)\{0,1\}suppressions=\([^:]*\).*/\2/p')
if [ -n "$supp" ]; then
    install -m 644 "$supp" "$scratch/lsan.supp"
    LSAN_OPTIONS=$(printf '%s' "$LSAN_OPTIONS" | sed "s#\(^\|:\)suppressions=[^:]*#\1suppressions=$scratch/lsan.supp#")
    export LSAN_OPTIONS
fi
HOME=$scratch/home TMPDIR=$scratch/home XDG_RUNTIME_DIR=$scratch/home \
    setpriv --reuid=nobody --regid=nogroup --clear-groups "$copy" "$@"
