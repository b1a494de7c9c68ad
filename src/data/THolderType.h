#pragma once

// What a holder is, as Account.type stores it.
enum class THolderType : int
{
    BankAccount = 0,
    CreditCard = 1,
    Wallet = 2
};

// The holders the windows list together: the accounts (bank and credit card), the wallets, or all.
enum class THolderFamily
{
    All,
    Accounts,
    Wallets
};

// Whether the Account.type `type` is a wallet's.
constexpr bool isWalletType(int type)
{
    return type == static_cast<int>(THolderType::Wallet);
}
