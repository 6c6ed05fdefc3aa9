# Bash completion of vela-upagrahas-cli.
#
# The flags come from the program's own --help, the zone rows from its --zones and the profiles
# from its --profiles, so a new flag, zone row or profile is completed without touching this file.

_vela_upagrahas_cli() {
    local cur prev words cword
    _init_completion || return

    case $prev in
        --zone)
            COMPREPLY=($(compgen -W '$("$1" --zones 2>/dev/null | cut -f1)' -- "$cur"))
            return
            ;;
        --profile)
            COMPREPLY=($(compgen -W '$("$1" --profiles 2>/dev/null | cut -f1)' -- "$cur"))
            return
            ;;
        --save)
            _filedir ved
            return
            ;;
        --batch)
            _filedir csv
            [[ -z $cur || $cur == - ]] && COMPREPLY+=(-)
            return
            ;;
        --name | --date | --time | --lat | --lon | --city | --state | --country)
            # Free text in a notation of its own: nothing sensible to offer.
            return
            ;;
    esac

    if [[ $cur == -* ]]; then
        # The first column of each option line of the help ("  -h,--help", "  --name NAME"); the
        # deeper-indented lines of the examples are not option lines.
        local flags
        flags=$("$1" --help 2>/dev/null | sed -n 's/^  \(-[^ ]*\).*/\1/p' | tr ',' '\n' | sort -u)
        COMPREPLY=($(compgen -W "$flags" -- "$cur"))
        return
    fi
    _filedir ved
} &&
    complete -F _vela_upagrahas_cli vela-upagrahas-cli
