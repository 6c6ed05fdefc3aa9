# Bash completion of vela-upagrahas-cli.
#
# The flags come from the program's own --help, the zone rows from its --zones and the profiles
# from its --profiles, so a new flag, zone row or profile is completed without touching this file.

_vela_upagrahas_cli() {
    local cur prev words cword
    # AXIS=VALUE of --convention is one word.
    _init_completion -n = || return

    case $prev in
        --zone)
            COMPREPLY=($(compgen -W '$("$1" --zones 2>/dev/null | cut -f1)' -- "$cur"))
            return
            ;;
        --profile)
            # The presets come first, up to the blank line before the axes.
            local presets
            presets=$("$1" --profiles 2>/dev/null | sed '/^$/,$d' | cut -f1)
            COMPREPLY=($(compgen -W "$presets" -- "$cur"))
            return
            ;;
        --convention)
            # AXIS=VALUE for every axis and value of the lines after the blank one ("lords<TAB>eight | seven").
            local settings axis values value
            settings=$("$1" --profiles 2>/dev/null | sed '1,/^$/d' | while IFS=$'\t' read -r axis values; do
                [[ $axis =~ ^[a-z]+$ ]] || continue
                for value in ${values//|/ }; do echo "$axis=$value"; done
            done)
            COMPREPLY=($(compgen -W "$settings" -- "$cur"))
            return
            ;;
        --varga)
            COMPREPLY=($(compgen -W '1 2 3 4 7 9 10 12 16 20 24 27 30 40 45 60' -- "$cur"))
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
