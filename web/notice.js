// Vela Upagrahas web module. Its source is under the MIT License; linked with the Swiss Ephemeris
// (2.10.03, AGPL 3), this module is distributed under the GNU Affero General Public License 3.
// The corresponding source: https://vela-upagrahas.example/ (about() gives it too).
